// The listing kept while the outputs pass through to their files.
#include "listing_keeper.h"

namespace zolt {

void ListingKeeper::OpenForWriting(Channel channel, const std::string& path) {
  channels_->OpenForWriting(channel, path);
  Output(channel).Clear();
}

void ListingKeeper::HandOver() {
  for (const Channel channel : {Channel::Listing, Channel::Object}) {
    channels_->Output(channel).Append(Output(channel).View());
  }
  listing_ = Output(Channel::Listing).Take();
  Output(Channel::Object).Clear();
}

void ListingKeeper::CloseAll() {
  HandOver();
  channels_->CloseAll();
}

void ListingKeeper::CloseAllAfterFailure() noexcept {
  // Appending may need memory; what cannot be handed over is lost as it
  // would be in a file that could not be written.
  try {
    HandOver();
  } catch (...) {
  }
  channels_->CloseAllAfterFailure();
}

}  // namespace zolt
