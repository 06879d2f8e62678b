#!/usr/bin/env bash
# Draws the pictures of the stand-in service's pages with ImageMagick. The results are files of
# the project under service/content; run this again only to change them.
#   Picture buttons are strips of three frames side by side: normal, hover, pressed.
#   The login page's see-through colour is exactly #FEFEFE, so no picture of that page may contain
#   it: text is never pure white (anti-aliased white can land on #FEFEFE).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out="$here/../content"
font=$(fc-match -f '%{file}' 'WenQuanYi Micro Hei')

# A picture button with a text label: width, height, text, top and bottom colours of each frame,
# text colour.
text_strip() {
  local file=$1 w=$2 h=$3 text=$4 color=$5
  shift 5
  local frames=()
  local i=0
  for pair in "$@"; do
    local top=${pair%,*} bottom=${pair#*,}
    local nudge=0
    if [ "$i" -eq 2 ]; then nudge=1; fi
    convert -size "${w}x${h}" "gradient:$top-$bottom" \
      -fill none -stroke '#00000055' -draw "rectangle 0,0 $((w - 1)),$((h - 1))" \
      -font "$font" -pointsize 16 -fill "$color" -stroke none -gravity center \
      -annotate "+$nudge+$nudge" "$text" "PNG24:/tmp/frame$i.png"
    frames+=("/tmp/frame$i.png")
    i=$((i + 1))
  done
  convert "${frames[@]}" +append -strip "PNG24:$out/$file"
  rm -f "${frames[@]}"
}

# The caption buttons (20 x 20 frames) stand where the login background draws its own minimise and
# close pictures, so they are drawn in the same colours: the caption band's gradient, a light
# glyph, a red square under the cross.
caption_frame() {
  local out_file=$1 top=$2 bottom=$3 square=$4 draw=$5
  local args=(-size 20x20 "gradient:$top-$bottom")
  if [ -n "$square" ]; then args+=(-fill "$square" -stroke none -draw 'roundrectangle 0,0 19,19 4,4'); fi
  convert "${args[@]}" -stroke '#f2f7ff' -strokewidth 2 -fill none -draw "$draw" "PNG24:$out_file"
}
caption_strip() {
  local file=$1 draw=$2
  shift 2
  local frames=()
  local i=0
  for look in "$@"; do
    IFS=, read -r top bottom square <<<"$look"
    caption_frame "/tmp/caption$i.png" "$top" "$bottom" "$square" "$draw"
    frames+=("/tmp/caption$i.png")
    i=$((i + 1))
  done
  convert "${frames[@]}" +append -strip "PNG24:$out/$file"
  rm -f "${frames[@]}"
}

text_strip login/button-login.png 120 38 '登  录' '#fff4dc' \
  '#f6b24a,#d9771a' '#ffc866,#e8892a' '#c96a12,#b05a0c'
# The disabled button looks the same in every frame: it never reacts.
text_strip login/button-register.png 120 38 '注册账号' '#9aa3a8' \
  '#d5dadd,#bcc3c7' '#d5dadd,#bcc3c7' '#d5dadd,#bcc3c7'
caption_strip login/button-minimize.png 'line 5,13 15,13' \
  '#294e80,#1c3861,' '#3a6aa8,#2a4e80,' '#152a4a,#0f2040,'
caption_strip login/button-close.png 'line 6,6 14,14 line 14,6 6,14' \
  '#294e80,#1c3861,#c34550' '#294e80,#1c3861,#e65a5f' '#294e80,#1c3861,#a8323a'

# The notice picture (75 x 80, the picture label of the notice window).
convert -size 75x80 gradient:'#2b6a8c'-'#0e2836' \
  -fill '#f2c14e' -draw 'circle 54,18 54,8' \
  -fill '#183846' -draw 'polygon 0,80 0,52 18,36 34,50 48,30 75,56 75,80' \
  -font "$font" -pointsize 13 -fill white -gravity south -annotate +0+6 '新服开启' \
  -strip -quality 90 "$out/notice/ylcskelvo.jpg"

# Game-hall pictures of the two other games (160 x 90).
hall_picture() {
  local file=$1 top=$2 bottom=$3 text=$4
  convert -size 160x90 "gradient:$top-$bottom" \
    -font "$font" -pointsize 22 -fill white -gravity center -annotate +0+0 "$text" \
    -strip -quality 90 "$out/$file"
}
hall_picture webgame/yunling.jpg '#2b6a8c' '#0e2836' '云岭传说'
hall_picture webgame/fengyun.jpg '#8c2b3e' '#36101a' '风云录'
hall_picture webgame/tianhe.jpg '#4a3a8c' '#1a1236' '天河劫'
