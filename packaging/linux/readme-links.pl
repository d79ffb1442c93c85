#!/usr/bin/perl
# Prints the target of every link and picture of a Markdown file, one a line,
# as a Markdown renderer reads them, so that a check can follow each one.
#   packaging/linux/readme-links.pl FILE.md
use strict;
use warnings;
use HTML::LinkExtor;
use Text::Markdown::Discount qw(markdown);

my ($file) = @ARGV;
die "usage: $0 FILE.md\n" unless defined $file;
open(my $in, '<', $file) or die "$file: $!\n";
my $text = do { local $/; <$in> };
close($in);

my $links = HTML::LinkExtor->new;
$links->parse(markdown($text));
$links->eof;
for my $link ($links->links) {
    my ($tag, %attributes) = @$link;
    print "$_\n" for values %attributes;
}
