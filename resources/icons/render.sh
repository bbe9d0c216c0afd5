#!/bin/sh
# Renders the drawn SVG sources to the PNGs the program embeds and the
# desktop installs. Run after editing an SVG and commit the results; the build
# itself never needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
APP_ID=nl.mirtelo.paarvinder

render() {  # source size output
  rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio --format png "$1" --output "$3"
}

for picture in zoek stop resultaten info paarvinder; do
  render "$picture.svg" 48 "$picture.png"
done
render window.svg 64 window.png

for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  render paarvinder.svg "$size" "hicolor/${size}x${size}/apps/$APP_ID.png"
done
