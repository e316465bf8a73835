#!/usr/bin/env bash
# The packages' contents as their users find them:
#   package_contents_test.sh DIST_DIR
# the program's zip holds exactly the files a user needs, and a developer
# who unpacks the Tavrin zip can build and link a program on Tavrin with the
# compiler and command its README.txt names.
set -euo pipefail
dist=$(readlink -f "${1:?usage: package_contents_test.sh DIST_DIR}")
app_zip=$(ls "$dist"/Quorvex-*-win64.zip)
dev_zip=$(ls "$dist"/Tavrin-*-dev-win64.zip)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# The program's zip: one folder, these files.
expected_app="Quorvex/
Quorvex/Framework.dll
Quorvex/LICENSE.txt
Quorvex/Quorvex.exe
Quorvex/README.txt
Quorvex/Tavrin.dll
Quorvex/encoder/
Quorvex/encoder/README.txt
Quorvex/ffmpeg.exe"
actual_app=$(unzip -Z1 "$app_zip" | sort)
[ "$actual_app" = "$expected_app" ] || fail "the program's zip holds:
$actual_app"
unzip -q "$app_zip" -d "$work/app"
# Text for Windows readers: every line ends with CR LF.
for text in README.txt LICENSE.txt encoder/README.txt; do
  if grep -q $'[^\r]$\|^$' "$work/app/Quorvex/$text"; then fail "$text has lines without CR LF"; fi
done
grep -q '^## Install on Windows' "$work/app/Quorvex/README.txt" || fail "README.txt lacks Install on Windows"
grep -q '^## How conversions can fail' "$work/app/Quorvex/README.txt" || fail "README.txt lacks How conversions can fail"
if grep -q '^## The two commands\|^## Layout' "$work/app/Quorvex/README.txt"; then
  fail "README.txt carries the developers' part"
fi
grep -q 'ffmpeg.exe' "$work/app/Quorvex/encoder/README.txt" || fail "encoder/README.txt does not say what goes there"

# The developers' zip: the gallery and the DLLs, the import libraries, and
# headers that a program on Tavrin compiles against.
dev_listing=$(unzip -Z1 "$dev_zip")
dev_root=$(echo "$dev_listing" | sed -n '1s|/.*||p')
for file in bin/Gallery.exe bin/Tavrin.dll bin/Framework.dll lib/libTavrin.dll.a lib/libFramework.dll.a \
            lib/libframework_main.a include/tavrin/Tavrin.h include/framework/afxwin.h README.txt LICENSE.txt; do
  grep -qx "$dev_root/$file" <<<"$dev_listing" || fail "the developers' zip lacks $file"
done
unzip -q "$dev_zip" -d "$work/dev"
cd "$work/dev/$dev_root"
cat >"$work/my_dialog.cpp" <<'CPP'
#include <afxwin.h>
#include "Tavrin.h"

class MyApp : public CWinApp {
public:
    BOOL InitInstance() override {
        Tavrin::NeloButton button;
        Tavrin::_ButtonColorInfo colours = Tavrin::NeloButton::DefaultColorInfo();
        button.SetButtonColorInfo(colours);
        return FALSE;
    }
};
MyApp theApp;
CPP
# The command of the README, with Unix paths.
x86_64-w64-mingw32-g++-posix -std=c++17 -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX \
  -D_WIN32_WINNT=0x0601 -mwindows -Iinclude/tavrin -Iinclude/framework "$work/my_dialog.cpp" \
  -Wl,-u,WinMain lib/libframework_main.a lib/libTavrin.dll.a lib/libFramework.dll.a \
  -lgdiplus -lcomctl32 -static -static-libgcc -static-libstdc++ -o "$work/MyProgram.exe" || fail "a program on Tavrin does not build"
[ -s "$work/MyProgram.exe" ] || fail "no program was linked"

[ $failed -eq 0 ] && echo "packages: contents as expected; a program on Tavrin builds against the developers' zip"
exit $failed
