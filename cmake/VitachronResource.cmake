# vitachron_windows_resource(TARGET DESCRIPTION [ICON] [WX]): the version
# information (with ICON the program's icon, with WX the toolkit's own
# resources and the manifest that asks for today's common controls and
# per-monitor DPI) in a Windows executable's resources. Nothing elsewhere.
function(vitachron_windows_resource target description)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(R "ICON;WX" "" "" ${ARGN})
  set(RC_NAME ${target})
  set(RC_DESCRIPTION "${description}")
  set(RC_ICON_LINE "")
  if(R_ICON)
    # Explorer shows the first icon, and names sort before numbers and the
    # toolkit's own names: hence "AAAA".
    string(APPEND RC_ICON_LINE "AAAA_VITACHRON ICON \"${VITACHRON_SOURCE_DIR}/data/icons/vitachron.ico\"\n")
  endif()
  if(R_WX)
    string(APPEND RC_ICON_LINE "#define wxUSE_RC_MANIFEST 1\n#define wxUSE_DPI_AWARE_MANIFEST 2\n#include <wx/msw/wx.rc>\n")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${VITACHRON_SOURCE_DIR}/cmake/VitachronResource.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
