#!/usr/bin/env bash
# Installs Pinzola for the current user like a desktop program:
#   install.sh BUILD_DIR PREFIX
# copies the program folder BUILD_DIR/pinzola to PREFIX, and puts the desktop
# entry and the icons into the user's data folder (XDG_DATA_HOME, by default
# ~/.local/share). Every file written is listed with its checksum in
# PREFIX/.install-manifest so that uninstall.sh removes exactly those files
# and nothing the user made or changed since.
set -euo pipefail
build="$(cd "${1:?usage: install.sh BUILD_DIR PREFIX}" && pwd)"
prefix="${2:?usage: install.sh BUILD_DIR PREFIX}"
src="$build/pinzola"
desk="$build/desktop"
data="${XDG_DATA_HOME:-$HOME/.local/share}"

[[ -x "$src/pinz" ]] || { echo "install: $src/pinz is missing; build first" >&2; exit 1; }
[[ -f "$desk/pinzola.desktop.in" ]] || { echo "install: $desk has no desktop entry; build first" >&2; exit 1; }
# The Exec key has its own quoting rules; a prefix with these characters
# cannot be written into it reliably, so it is refused outright.
if [[ "$prefix" == *[\"\`\$\\%]* || "$prefix" == *$'\n'* ]]; then
  echo "install: PREFIX must not contain \" \` \$ \\ % or a newline: $prefix" >&2
  exit 1
fi
# Folders of the prefix's path that this install creates (they go again on uninstall).
prefix_made=()
d="$prefix"
while [[ ! -d "$d" ]]; do prefix_made+=("$(realpath -m "$d")"); d="$(dirname "$d")"; done
mkdir -p "$prefix"
prefix="$(cd "$prefix" && pwd)"
case "$prefix" in
  /) echo "install: refusing to install into /" >&2; exit 1 ;;
esac

manifest="$prefix/.install-manifest"
tmp_manifest="$(mktemp "$prefix/.install-manifest.XXXXXX")"
trap 'rm -f "$tmp_manifest"' EXIT
# A reinstall over an earlier one keeps that install's record of folders.
[[ -f "$manifest" ]] && grep '^dir ' "$manifest" >> "$tmp_manifest" || true

# make_dir DIR: creates DIR and records every folder of its path that did not
# exist before, so that uninstall removes only folders this install made.
make_dir() {
  local d="$1" missing=()
  while [[ ! -d "$d" ]]; do
    missing+=("$d")
    d="$(dirname "$d")"
  done
  mkdir -p "$1"
  for d in "${missing[@]}"; do echo "dir $d" >> "$tmp_manifest"; done
}
# put SRC DEST: copies one file and records it with its checksum.
put() {
  local from="$1" to="$2"
  make_dir "$(dirname "$to")"
  cp -f "$from" "$to.pinz-new"
  mv -f "$to.pinz-new" "$to"
  echo "file $(sha256sum < "$to" | cut -d' ' -f1) $to" >> "$tmp_manifest"
}

# The program folder. Saved pictures belong to the user: the build's user/
# folder (which holds whatever was saved while developing) is not copied, and
# an installed user/ folder is never overwritten.
for d in "${prefix_made[@]}"; do echo "dir $d" >> "$tmp_manifest"; done
while IFS= read -r -d '' d; do
  rel="${d#"$src"}"
  [[ "$rel" == /user/* ]] && continue
  make_dir "$prefix$rel"
done < <(find "$src" -mindepth 1 -type d -print0 | sort -z)
while IFS= read -r -d '' f; do
  rel="${f#"$src"}"
  case "$rel" in
    /user/*|*.stamp) continue ;;
  esac
  put "$f" "$prefix$rel"
done < <(find "$src" -type f -print0 | sort -z)
chmod 755 "$prefix/pinz"
[[ -f "$prefix/pinzfx" ]] && chmod 755 "$prefix/pinzfx"

# Icons in the hicolor theme of the user's data folder.
while IFS= read -r -d '' f; do
  rel="${f#"$desk/icons/"}"
  put "$f" "$data/icons/$rel"
done < <(find "$desk/icons" -type f -name '*.png' -print0 | sort -z)

# The desktop entry, pointing at the installed program by absolute path so
# the menu starts it whatever the working directory.
entry="$(mktemp)"
quoted="\"$prefix/pinz\""
sed -e "s|@EXEC@|$quoted|" -e "s|@TRYEXEC@|$prefix/pinz|" -e "s|@PATH@|$prefix|" \
  "$desk/pinzola.desktop.in" > "$entry"
put "$entry" "$data/applications/pinzola.desktop"
rm -f "$entry"

sort -u -o "$tmp_manifest" "$tmp_manifest"
mv -f "$tmp_manifest" "$manifest"
trap - EXIT
# Menus notice new entries by the folder's change time; refresh the caches
# only where the desktop keeps them already.
touch "$data/icons/hicolor" "$data/applications"
echo "Pinzola installed in $prefix"
echo "  menu entry: $data/applications/pinzola.desktop"
echo "  uninstall:  make uninstall PREFIX=$prefix"
