# Writes OUT, a C++ source that carries the default skin and sounds found
# in DIR as read-only data (the assembler's .incbin, so nothing is copied
# through the compiler), and a table of them for the file layer's archive.
file(GLOB_RECURSE found RELATIVE ${DIR}
     ${DIR}/Config.ini ${DIR}/Graphics/Skin/* ${DIR}/Graphics/Backdrops/* ${DIR}/Sound/*.wav)
list(FILTER found EXCLUDE REGEX "\\.generated$")
# The core shows the unit at 1x to 4x: the larger variants (for the desktop
# program's full screen) stay out of it.
list(FILTER found EXCLUDE REGEX "@[5-9]x\\.")
# Nor does it offer the desktop's high-contrast face.
list(FILTER found EXCLUDE REGEX "contrast")
list(SORT found)
set(asm "")
set(decl "")
set(rows "")
set(n 0)
foreach(f ${found})
  set(asm "${asm}    \"  .balign 16\\n  .global ignivar_asset_${n}\\n\" IGNIVAR_HIDDEN(${n}) \"ignivar_asset_${n}:\\n  .incbin \\\"${DIR}/${f}\\\"\\n  .global ignivar_asset_${n}_end\\n\" IGNIVAR_HIDDEN_END(${n}) \"ignivar_asset_${n}_end:\\n\"\n")
  set(decl "${decl}extern \"C\" const unsigned char ignivar_asset_${n}[], ignivar_asset_${n}_end[];\n")
  set(rows "${rows}        {\"${f}\", ignivar_asset_${n}, static_cast<std::size_t>(ignivar_asset_${n}_end - ignivar_asset_${n})},\n")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE ${OUT}.new "// Made by the build from ${DIR}: do not edit.
#include <vector>

#include \"libretro/assets.h\"

#ifdef _WIN32
#define IGNIVAR_SECTION \".section .rdata,\\\"dr\\\"\\n\"
#define IGNIVAR_HIDDEN(n) \"\"
#define IGNIVAR_HIDDEN_END(n) \"\"
#else
#define IGNIVAR_SECTION \".section .rodata\\n\"
#define IGNIVAR_HIDDEN(n) \"  .hidden ignivar_asset_\" #n \"\\n\"
#define IGNIVAR_HIDDEN_END(n) \"  .hidden ignivar_asset_\" #n \"_end\\n\"
#endif

asm(IGNIVAR_SECTION
${asm}    \"  .text\\n\");

${decl}
namespace ignivar::libretro {

const std::vector<files::ArchiveEntry>& default_assets() {
    static const std::vector<files::ArchiveEntry> entries = {
${rows}    };
    return entries;
}

}  // namespace ignivar::libretro
")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
