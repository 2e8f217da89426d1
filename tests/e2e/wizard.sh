# The wizard as a user goes through it: the bar's buttons, the edit field, refusal boxes and
# pages. Sourced after lib.sh by the tests that install.

# Bar buttons, in client coordinates: the bar lies at 40, 451; buttons are 23 high at top 4.
BAR_Y=466
EXIT_X=90
NEXT_X=703            # "&Next" and "&Upgrade", 90 wide at the right edge
WIDE_X=688            # "&Install Now" and "&Start Pictoro", 120 wide at the right edge

# Clicks at X, Y of the client area, coming from a few pixels above: a move to where the
# pointer already is would wait for a motion that never comes.
click_at() {
  e2e_hover "$1" $(( $2 - 3 ))
  e2e_click "$1" "$2"
}

bar_click() { click_at "$1" $BAR_Y; }

# The text of the visible edit field.
edit_text() {
  e2e_children | awk -F'\t' 'tolower($3) == "edit" && $5 == 1 { print $10; exit }'
}

# Clicks into the edit field and types TEXT over what it holds.
type_directory() {
  local line x y w h
  line=$(e2e_children | awk -F'\t' 'tolower($3) == "edit" && $5 == 1 { print; exit }')
  [ -n "$line" ] || e2e_fail "no edit field on the page"
  IFS=$'\t' read -r _ _ _ _ _ x y w h _ <<<"$line"
  click_at $(( x + w / 2 )) $(( y + h / 2 ))
  e2e_key End shift+Home BackSpace
  e2e_type "$1"
}

# Waits for the error box, checks caption and TEXT (carriage returns as ^M), saves a
# screenshot NAME, closes it with Enter.
expect_refusal() {
  local expected=$1 name=$2 caption text
  IFS=$'\t' read -r caption text <<<"$(e2e_wait_box)"
  e2e_expect_eq "box caption" "Install_Pictoro" "$caption"
  e2e_expect_eq "box text" "$expected" "$text"
  e2e_screenshot "$name"
  e2e_close_box "\"$expected\""
}

next_page() {  # BUTTON_X PAGE_HEADER SCREENSHOT
  bar_click "$1"
  e2e_wait_page "$2"
  e2e_screenshot "$3"
}
