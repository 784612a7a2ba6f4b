# Run by ctest with -DPROGRAM=<fazolab>: started where there is no display to
# open a window on, the program says so in Polish (and names fazolab-batch)
# and ends with status 1, whether no display is set, X11 is asked for without
# one, or the display set does not answer.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
foreach(przypadek IN ITEMS "brak" "QT_QPA_PLATFORM=xcb" "DISPLAY=:9731")
    if(przypadek MATCHES "^([A-Z_]+)=(.*)$")
        set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
    endif()
    execute_process(COMMAND ${PROGRAM} OUTPUT_VARIABLE wyjscie ERROR_VARIABLE bledy
                    RESULT_VARIABLE kod TIMEOUT 60)
    string(FIND "${bledy}" "Program Fazolab wymaga ekranu graficznego" poczatek)
    string(FIND "${bledy}" "fazolab-batch" wsadowy)
    if(NOT kod EQUAL 1 OR NOT poczatek EQUAL 0 OR wsadowy EQUAL -1 OR bledy MATCHES "qt\\.qpa")
        message(SEND_ERROR "${przypadek}: kod ${kod}, ${bledy}")
    endif()
    unset(ENV{DISPLAY})
    unset(ENV{QT_QPA_PLATFORM})
endforeach()
