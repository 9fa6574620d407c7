# Installs the build into a temporary prefix, checks the installed files, then starts the
# installed program offscreen on a puzzle named relative to the working directory and
# reads back what it found. Run by ctest: cmake -DBUILD_DIR=... -DWORK_DIR=... -P this.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

foreach(f bin/vorlix bin/vorlix-cli share/vorlix/English share/applications/vorlix.desktop
          share/icons/hicolor/scalable/apps/vorlix.svg share/mime/packages/vorlix.xml
          share/vorlix/help/manual.html)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ "${prefix}/share/applications/vorlix.desktop" entry)
if(NOT entry MATCHES "Exec=vorlix %f" OR NOT entry MATCHES "MimeType=application/x-vorlix-puzzle;")
  message(FATAL_ERROR "the desktop entry does not open puzzle files")
endif()
file(READ "${prefix}/share/mime/packages/vorlix.xml" mime)
if(NOT mime MATCHES "application/x-vorlix-puzzle" OR NOT mime MATCHES "\\*\\.ws")
  message(FATAL_ERROR "the puzzle file type is not declared")
endif()

# A private home, with the first-run tour marked as shown so nothing waits for input.
set(home "${WORK_DIR}/home")
file(WRITE "${home}/config/Tandrel/Kestov.conf" "[General]\nHintsShown=Tour\n")
file(MAKE_DIRECTORY "${WORK_DIR}/work")
set(env ${CMAKE_COMMAND} -E env HOME=${home} XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data
        XDG_RUNTIME_DIR=${home} QT_QPA_PLATFORM=offscreen)
execute_process(COMMAND ${env} "${prefix}/bin/vorlix-cli" make --seed 7 --word CAT --word DOG -o puzzle.ws
                WORKING_DIRECTORY "${WORK_DIR}/work" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed vorlix-cli did not make a puzzle")
endif()
execute_process(COMMAND ${env} VORLIX_STARTUP_REPORT=${WORK_DIR}/report.txt "${prefix}/bin/vorlix" puzzle.ws
                WORKING_DIRECTORY "${WORK_DIR}/work" RESULT_VARIABLE rc TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK_DIR}/report.txt")
  message(FATAL_ERROR "the installed vorlix did not start (${rc})")
endif()
file(READ "${WORK_DIR}/report.txt" report)
message("${report}")
if(NOT report MATCHES "puzzle=puzzle.ws\n")
  message(FATAL_ERROR "the puzzle named on the command line was not opened")
endif()
if(NOT report MATCHES "page=Finished\n")
  message(FATAL_ERROR "the program did not open the finished page")
endif()
if(NOT report MATCHES "dictionary=${prefix}/share/vorlix/English\n")
  message(FATAL_ERROR "the installed dictionary was not found")
endif()
string(REGEX MATCH "words=([0-9]+)" _ "${report}")
if(CMAKE_MATCH_1 LESS 50000)
  message(FATAL_ERROR "the dictionary holds only ${CMAKE_MATCH_1} words")
endif()
if(NOT report MATCHES "userdictionary=${home}/data/")
  message(FATAL_ERROR "the user dictionary is not in the user's data folder")
endif()

# The shared database gives ".ws" to a console ROM too: the installed type must win, for the
# puzzle just made, when the desktop's own tools are there to ask.
find_program(update_mime update-mime-database)
find_program(xdg_mime xdg-mime)
find_program(mimetype_tool mimetype)  # without it xdg-mime guesses from the content alone
if(update_mime AND xdg_mime AND mimetype_tool)
  execute_process(COMMAND "${update_mime}" "${prefix}/share/mime" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  execute_process(COMMAND ${env} XDG_DATA_DIRS=${prefix}/share:/usr/share "${xdg_mime}" query filetype
                          "${WORK_DIR}/work/puzzle.ws"
                  OUTPUT_VARIABLE type ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT type STREQUAL "application/x-vorlix-puzzle")
    message(FATAL_ERROR "a puzzle file is taken for '${type}'")
  endif()
else()
  message("update-mime-database, xdg-mime or mimetype missing: the file type was not asked")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
