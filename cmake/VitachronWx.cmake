# Interface targets for the parts of wxWidgets the program uses:
#   vitachron::wxbase  wxBase only (the platform layer)
#   vitachron::wxgui   core, base and webview (the window)
# On Unix and in the cross-build they come from wx-config; elsewhere from
# CMake's FindwxWidgets.

function(_vitachron_wx_target target components)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  if(UNIX OR CMAKE_CROSSCOMPILING)
    if(CMAKE_CROSSCOMPILING)
      # The prefix's wx-config, named by the toolchain file. (FindwxWidgets
      # would look for each -l library itself, and in a cross-build cannot
      # see the compiler's own, such as libssp, that cairo needs.)
      set(WX_CONFIG ${wxWidgets_CONFIG_EXECUTABLE})
    else()
      find_program(WX_CONFIG wx-config REQUIRED)
    endif()
    execute_process(COMMAND ${WX_CONFIG} --cxxflags ${components}
      OUTPUT_VARIABLE cxxflags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${WX_CONFIG} --libs ${components}
      OUTPUT_VARIABLE libs OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(cxxflags UNIX_COMMAND "${cxxflags}")
    separate_arguments(libs UNIX_COMMAND "${libs}")
    set(includes "")
    set(options "")
    foreach(flag IN LISTS cxxflags)
      if(flag MATCHES "^-I(.*)")
        list(APPEND includes "${CMAKE_MATCH_1}")
      else()
        list(APPEND options "${flag}")
      endif()
    endforeach()
    # System includes: wx headers are not ours to keep warning-free.
    set_target_properties(${target} PROPERTIES
      INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${includes}"
      INTERFACE_INCLUDE_DIRECTORIES "${includes}"
      INTERFACE_COMPILE_OPTIONS "${options}"
      INTERFACE_LINK_LIBRARIES "${libs}")
  else()
    string(REPLACE "," ";" comps "${components}")
    find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${comps})
    set_target_properties(${target} PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES "${wxWidgets_INCLUDE_DIRS}"
      INTERFACE_COMPILE_DEFINITIONS "${wxWidgets_DEFINITIONS}"
      INTERFACE_LINK_LIBRARIES "${wxWidgets_LIBRARIES}")
  endif()
endfunction()

_vitachron_wx_target(vitachron::wxbase "base")
_vitachron_wx_target(vitachron::wxgui "webview,core,base")

if(UNIX AND NOT APPLE)
  # A few direct GTK/GLib calls (input hints, GIO) need their headers.
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(VITACHRON_GTK REQUIRED IMPORTED_TARGET gtk+-3.0 gio-2.0)
endif()
