#!/usr/bin/env bash
# Removes what install.sh installed into PREFIX and the user's data folder:
#   uninstall.sh PREFIX
# Only files listed in PREFIX/.install-manifest go, and only while they are
# unchanged (same checksum); folders go only when they end up empty. Saved
# pictures, textures the user stored, and anything else made after the
# install therefore stay.
set -euo pipefail
prefix="${1:?usage: uninstall.sh PREFIX}"
manifest="$prefix/.install-manifest"
if [[ ! -f "$manifest" ]]; then
  echo "uninstall: nothing installed in $prefix (no $manifest)" >&2
  exit 1
fi
kept=0
while read -r kind sum path; do
  [[ "$kind" == file ]] || continue
  [[ -f "$path" ]] || continue
  if [[ "$(sha256sum < "$path" | cut -d' ' -f1)" == "$sum" ]]; then
    rm -f "$path"
  else
    echo "uninstall: kept $path (changed since it was installed)"
    kept=$((kept + 1))
  fi
done < "$manifest"
# Folders, deepest first; rmdir leaves any that still hold something.
dirs=()
while read -r kind path; do
  [[ "$kind" == dir ]] && dirs+=("$path")
done < "$manifest"
rm -f "$manifest"
[[ ${#dirs[@]} -gt 0 ]] && printf '%s\n' "${dirs[@]}" | awk '{ print length($0) "\t" $0 }' | sort -rn | cut -f2- |
  while IFS= read -r d; do rmdir "$d" 2> /dev/null || true; done
if [[ -d "$prefix" ]]; then
  echo "Pinzola removed; $prefix keeps what was made there since (saved pictures and the like)."
else
  echo "Pinzola removed from $prefix"
fi
