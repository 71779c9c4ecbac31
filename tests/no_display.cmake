# Starts the real program where there is no display to open: it must say so in one line on
# standard error and end with status 1. The session type goes too, so that Qt looks for no
# desktop session by other means.
execute_process(
    # env, not cmake -E env: it runs the program in its own place, so a signal shows as one.
    COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u XDG_SESSION_TYPE
            -u QT_QPA_PLATFORM ${PROGRAM}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 30)
if(NOT status STREQUAL "1")
    message(FATAL_ERROR "Exit status ${status}, expected 1. Standard error:\n${err}")
endif()
string(REGEX MATCHALL "\n" lineEnds "${err}")
list(LENGTH lineEnds lines)
if(NOT lines EQUAL 1 OR NOT err MATCHES "graphical display[^\n]*\n$")
    message(FATAL_ERROR "Expected one line about the graphical display, got:\n${err}")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "Expected nothing on standard output, got:\n${out}")
endif()
