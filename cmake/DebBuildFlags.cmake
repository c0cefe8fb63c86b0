# QUILLON_DEB_BUILDFLAGS compiles and links with Debian's release flags
# (dpkg-buildflags, all hardening features: fortified functions, stack
# protector, read-only relocations bound at start-up). scripts/package.sh turns
# it on for the .deb; the everyday and test builds keep their own flags.
option(QUILLON_DEB_BUILDFLAGS "Compile and link with the flags dpkg-buildflags gives" OFF)

if(QUILLON_DEB_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # Run in the source folder so -ffile-prefix-map maps it to ".".
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            dpkg-buildflags --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE flags
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
    message(STATUS "dpkg-buildflags ${kind}: ${flags}")
  endforeach()
endif()
