# The help files Tessara_en.chm and Tessara_es.chm, compiled from help/<language>
# by scripts/build-help.sh into output_dir (beside Tessara.exe for the Windows
# builds; in the build tree natively, where the tests read them back).
function(tessara_help_files output_dir)
  file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/help/*")
  set(help_files "")
  foreach(language en es)
    set(chm "${output_dir}/Tessara_${language}.chm")
    add_custom_command(OUTPUT "${chm}"
      COMMAND "${TESSARA_SCRIPTS}/build-help.sh" "${CMAKE_SOURCE_DIR}/help" ${language} "${chm}"
      DEPENDS ${help_sources} "${TESSARA_SCRIPTS}/build-help.sh"
      COMMENT "Compiling the help file Tessara_${language}.chm" VERBATIM)
    list(APPEND help_files "${chm}")
  endforeach()
  add_custom_target(TessaraHelp ALL DEPENDS ${help_files})
endfunction()
