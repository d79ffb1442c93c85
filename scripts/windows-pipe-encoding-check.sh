#!/usr/bin/env bash
# Checks that zoltasm.exe, under Wine in the build's Chinese session, writes
# one encoding with standard output and standard error both on pipes: every
# byte of both decodes in the console's code page (GBK), no line is UTF-8
# Chinese, and what the lines say is the cases' Chinese transcripts. The
# sources are GBK sources quoting Chinese words and full-width marks, and a
# line GBK cannot hold (a no-break space, written as its code).
# Usage: scripts/windows-pipe-encoding-check.sh BUILD_DIR ZOLTASM_EXE CASES_DIR
set -euo pipefail
build=$(realpath "$1")
zoltasm=$(realpath "$2")
cases=$(realpath "$3")
# shellcheck source=scripts/wine-session.sh
. "$(dirname "$0")/wine-session.sh"
wine_environment "$build"

work=$(mktemp -d)
on_exit "rm -rf '$work'"
names=(fullwidth/fullwidth_gbk_chinese_words fullwidth/fullwidth_input_method_marks_gbk
  mistake/mistake_no_break_space)
sources=()
for name in "${names[@]}"; do
  cp "$cases/$name.zol" "$work/"
  cat "$cases/$name.zh_CN.out" >> "$work/expected"
  sources+=("$(basename "$name").zol")
done

# One run for all: its standard output and standard error each on a pipe.
cd "$work"
({ "$build/wine-run" "$zoltasm" "${sources[@]}" || echo "exit $?" > status; } 2>&1 1>&3 |
  cat > err) 3>&1 | cat > out
if [ "$(cat status 2> /dev/null)" != "exit 1" ]; then
  echo "zoltasm.exe did not end with lines in error: $(cat status 2> /dev/null || echo "exit 0")" >&2
  exit 1
fi

perl -MEncode -e '
  use strict;
  my $failed = 0;
  my %expected = (out => [], err => []);
  open(my $transcripts, "<", "expected") or die;
  while (<$transcripts>) {
    chomp;
    my $line = decode("UTF-8", $_);
    push @{$expected{$1}}, $2 if $line =~ /^std(out|err): (.*)$/;
  }
  for my $stream ("out", "err") {
    open(my $in, "<:raw", $stream) or die;
    my $number = 0;
    while (my $bytes = <$in>) {
      chomp $bytes;
      my $want = $expected{$stream}[$number++] // "(no line)";
      my $utf8 = $bytes;
      if ($bytes =~ /[\x80-\xff]/ && defined eval { decode("UTF-8", $utf8, Encode::FB_CROAK) }) {
        print STDERR "std$stream line $number is UTF-8: $bytes\n";
        $failed = 1;
        next;
      }
      my $copy = $bytes;
      my $text = eval { decode("cp936", $copy, Encode::FB_CROAK) };
      if (!defined $text) {
        print STDERR "std$stream line $number does not decode as GBK: $bytes\n";
        $failed = 1;
        next;
      }
      # What GBK lacks comes out as its code.
      $want = join "", map {
        defined eval { encode("cp936", my $c = $_, Encode::FB_CROAK) } ? $_ : sprintf("<U+%04X>", ord)
      } split //, $want;
      if ($text ne $want) {
        print STDERR "std$stream line $number\n  is:       ", encode("UTF-8", $text),
          "\n  expected: ", encode("UTF-8", $want), "\n";
        $failed = 1;
      }
    }
    if ($number != @{$expected{$stream}}) {
      print STDERR "std$stream has $number lines, the transcripts ", scalar @{$expected{$stream}}, "\n";
      $failed = 1;
    }
  }
  exit $failed;
'
echo "zoltasm.exe wrote every line on both pipes in GBK"
