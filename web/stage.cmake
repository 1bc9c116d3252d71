# Copies from DIR into OUT what the page's unit reads: the default skin's
# file and pictures at 1x, 2x and 4x (a phone's or a 4K screen's: 4x shown
# a little smaller serves a 3x screen), the LCD's glass at those scales
# (for unlit segments drawn at a strength of their own), and the sounds
# (not the backdrop: the page has a background of its own);
# and into SITE the icons a phone's home screen shows.
file(GLOB_RECURSE found RELATIVE ${DIR}
     ${DIR}/Config.ini ${DIR}/Graphics/Skin/* ${DIR}/Sound/*.wav)
list(FILTER found EXCLUDE REGEX "\\.generated$")
list(FILTER found EXCLUDE REGEX "@[35-9]x\\.")
list(FILTER found EXCLUDE REGEX "contrast")  # the desktop's high-contrast face
file(REMOVE_RECURSE ${OUT})
foreach(f ${found})
  get_filename_component(d ${f} DIRECTORY)
  file(COPY ${DIR}/${f} DESTINATION ${OUT}/${d})
endforeach()
file(MAKE_DIRECTORY ${SITE})
foreach(size 192 512)
  file(COPY_FILE ${DIR}/icons/hicolor/${size}x${size}/apps/ignivar.png ${SITE}/icon-${size}.png ONLY_IF_DIFFERENT)
endforeach()
