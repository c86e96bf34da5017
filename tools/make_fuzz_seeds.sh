#!/usr/bin/env bash
# Writes the image decoder's seed corpus into FOLDER: valid 128 x 128 and 256 x 256 BMP files
# (bottom-up and top-down), files cut short in the headers and in the pixels, and headers that
# are odd but legal or just wrong (larger info headers, a gap before the pixels, an offset past
# the end, another depth, compression, size or signature). Small on purpose: the fuzzer
# mutates from them.
#
#   tools/make_fuzz_seeds.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"

# bmp NAME SIDE HEIGHT INFO_BYTES GAP BITS COMPRESSION PIXEL_BYTES [SIGNATURE]: a BMP whose
# headers say the given things, followed by PIXEL_BYTES bytes of a gradient.
bmp() {
  perl -e '
    my ($side, $height, $info, $gap, $bits, $compression, $pixels, $signature) = @ARGV;
    my $offset = 14 + $info + $gap;
    my $size = $offset + $pixels;
    my $header = pack("a2 V v v V", $signature, $size, 0, 0, $offset);
    my $infoHeader = pack("V l l v v V V l l V V", $info, $side, $height, 1, $bits,
                          $compression, $pixels, 2835, 2835, 0, 0);
    $infoHeader .= "\0" x ($info - 40);
    print $header, $infoHeader, "\0" x $gap, pack("C*", map { $_ * 7 % 256 } 0 .. $pixels - 1);
  ' "$2" "$3" "$4" "$5" "$6" "$7" "$8" "${9:-BM}" >"$folder/$1.bmp"
}

bmp valid-128 128 128 40 0 24 0 49152
bmp valid-128-top-down 128 -128 40 0 24 0 49152
bmp valid-256-v5-header 256 256 124 0 24 0 196608
bmp gap-before-pixels 128 128 40 100 24 0 49152
bmp pixels-cut-short 128 128 40 0 24 0 3000
bmp no-pixels 256 -256 108 0 24 0 0
bmp depth-32 128 128 40 0 32 0 2000
bmp compressed 128 128 40 0 24 1 2000
bmp wrong-size 100 100 40 0 24 0 2000
bmp not-a-bmp 128 128 40 0 24 0 500 PN
# Headers cut short, and an offset beyond the end of the file.
head -c 30 "$folder/valid-128.bmp" >"$folder/headers-cut-short.bmp"
head -c 54 "$folder/valid-128.bmp" >"$folder/headers-only.bmp"
perl -pe 'BEGIN { binmode STDIN; binmode STDOUT; $/ = \10 } $_ = pack("V", 999999) . substr($_, 4) if $. == 2' \
  "$folder/pixels-cut-short.bmp" >"$folder/offset-past-end.bmp"
