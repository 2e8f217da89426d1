# Reads a shell-link (.lnk) file as the binary format lays it out: the 76-byte header, the
# optional item-ID list, the optional link info with the local base path, then the counted
# strings (description, relative path, working directory, arguments, icon location).
# Sourced by the end-to-end tests.

_lnk_u16() { od -An -t u2 -j "$2" -N 2 "$1" | tr -d ' '; }
_lnk_u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
_lnk_i32() { od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '; }
_lnk_cstring() { tail -c +"$(( $2 + 1 ))" "$1" | tr '\0' '\n' | head -n 1; }

# Prints TARGET, ARGUMENTS, DESCRIPTION, ICON_LOCATION, ICON_INDEX of FILE, separated by '|'.
# A terminating NUL that some writers count into a string is dropped.
lnk_fields() {
  local file=$1 flags offset info_flags base suffix icon_index unicode width count text
  local description="" relative="" workdir="" arguments="" icon_location="" target=""
  [ "$(_lnk_u32 "$file" 0)" = 76 ] || { echo "not a shell link: $file" >&2; return 1; }
  flags=$(_lnk_u32 "$file" 20)
  icon_index=$(_lnk_i32 "$file" 56)
  offset=76
  if (( flags & 0x1 )); then offset=$(( offset + 2 + $(_lnk_u16 "$file" $offset) )); fi
  if (( flags & 0x2 )); then
    info_flags=$(_lnk_u32 "$file" $(( offset + 8 )))
    if (( info_flags & 0x1 )); then
      base=$(_lnk_cstring "$file" $(( offset + $(_lnk_u32 "$file" $(( offset + 16 ))) )))
      suffix=$(_lnk_cstring "$file" $(( offset + $(_lnk_u32 "$file" $(( offset + 24 ))) )))
      target=$base$suffix
    fi
    offset=$(( offset + $(_lnk_u32 "$file" $offset) ))
  fi
  unicode=$(( flags & 0x80 ))
  width=1; (( unicode )) && width=2
  local bit name
  for bit in 0x4 0x8 0x10 0x20 0x40; do
    (( flags & bit )) || continue
    count=$(_lnk_u16 "$file" $offset)
    if (( unicode )); then
      text=$(tail -c +"$(( offset + 3 ))" "$file" | head -c $(( count * 2 )) | iconv -f UTF-16LE -t UTF-8 | tr -d '\0')
    else
      text=$(tail -c +"$(( offset + 3 ))" "$file" | head -c "$count" | tr -d '\0')
    fi
    offset=$(( offset + 2 + count * width ))
    case $bit in
      0x4) description=$text ;;
      0x8) relative=$text ;;
      0x10) workdir=$text ;;
      0x20) arguments=$text ;;
      0x40) icon_location=$text ;;
    esac
  done
  printf '%s|%s|%s|%s|%s\n' "$target" "$arguments" "$description" "$icon_location" "$icon_index"
}
