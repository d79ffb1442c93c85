#!/usr/bin/perl
# Turns the window's XPM icon (at most 16 colours, "None" for transparent)
# into a Windows .ico of one 4-bit image, so both windows show one icon.
# Usage: xpm-to-ico.pl ICON.xpm ICON.ico
use strict;
use warnings;

my ($input, $output) = @ARGV;
die "usage: $0 ICON.xpm ICON.ico\n" unless defined $output;

open(my $in, '<', $input) or die "$input: $!\n";
my @strings = map { /"([^"]*)"/ ? $1 : () } <$in>;
close($in);

my ($width, $height, $count, $perPixel) = split ' ', shift @strings;
die "$input: more than 16 colours\n" if $count > 16;

# Palette index of each colour key; "None" stays index 0 and is masked out.
my (%index, @palette);
push @palette, [0, 0, 0];
for my $line (splice @strings, 0, $count) {
    my $key = substr($line, 0, $perPixel);
    my ($colour) = substr($line, $perPixel) =~ /\bc\s+(\S+)/ or die "$input: colour '$line'\n";
    if (lc $colour eq 'none') {
        $index{$key} = -1;
    } elsif ($colour =~ /^#([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})([0-9A-Fa-f]{2})$/) {
        $index{$key} = scalar @palette;
        push @palette, [hex $1, hex $2, hex $3];
    } else {
        die "$input: colour '$colour' is not #RRGGBB\n";
    }
}
die "$input: more than 16 colours with the transparent one\n" if @palette > 16;

my ($pixels, $mask) = ('', '');
for my $row (reverse @strings[0 .. $height - 1]) {    # bottom-up, as in a DIB
    my @keys = map { substr($row, $_ * $perPixel, $perPixel) } 0 .. $width - 1;
    my @indices = map { my $i = $index{$_} // die "$input: pixel '$_'\n"; $i < 0 ? 0 : $i } @keys;
    my $bits = join '', map { $index{$_} < 0 ? '1' : '0' } @keys;
    $pixels .= pack('C*', map { $indices[2 * $_] << 4 | $indices[2 * $_ + 1] } 0 .. $width / 2 - 1);
    $pixels .= "\0" x ((4 - ($width / 2) % 4) % 4);
    $bits .= '0' x ((32 - $width % 32) % 32);
    $mask .= pack('B*', $bits);
}

my $colours = join '', map { pack('CCCC', $_->[2], $_->[1], $_->[0], 0) } @palette, ([0, 0, 0]) x (16 - @palette);
my $image = pack('VVVvvVVVVVV', 40, $width, 2 * $height, 1, 4, 0, length($pixels) + length($mask), 0, 0, 16, 0)
    . $colours . $pixels . $mask;
my $icon = pack('vvv', 0, 1, 1) . pack('CCCCvvVV', $width, $height, 16, 0, 1, 4, length($image), 22) . $image;

open(my $out, '>:raw', $output) or die "$output: $!\n";
print $out $icon;
close($out) or die "$output: $!\n";
