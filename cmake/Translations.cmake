# The catalogues in translations/ compiled by Qt's lrelease and built into a target as
# resources under :/i18n. lrelease runs on the build machine, for the Windows build too.
find_program(CARD_LRELEASE NAMES lrelease lrelease-qt6
  HINTS ${QT_HOST_PATH}/bin ${QT_HOST_PATH}/libexec /usr/lib/qt6/bin REQUIRED)
find_program(CARD_LUPDATE NAMES lupdate lupdate-qt6
  HINTS ${QT_HOST_PATH}/bin ${QT_HOST_PATH}/libexec /usr/lib/qt6/bin)

function(card_add_translations target)
  set(compiled)
  foreach(catalogue ${ARGN})
    set(source ${CMAKE_SOURCE_DIR}/translations/${catalogue}.ts)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${catalogue}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CARD_LRELEASE} -silent ${source} -qm ${qm}
      DEPENDS ${source}
      COMMENT "Compiling the catalogue ${catalogue}")
    list(APPEND compiled ${qm})
  endforeach()
  qt_add_resources(${target} catalogues PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
    FILES ${compiled})
endfunction()
