# Run by ctest with -DAPPSTREAMCLI=<appstreamcli> -DDESKTOP=<desktop-file-validate>
# -DMETAINFO=<built metainfo> -DWPIS=<desktop entry>: both files pass their
# validators, and neither names a home the project does not have. The one
# finding allowed is the ID's missing reverse domain name, which a release
# gives with -DFAZOLAB_ID_METAINFO.
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                        --override=cid-desktopapp-is-not-rdns=info ${METAINFO}
                OUTPUT_VARIABLE wyjscie ERROR_VARIABLE wyjscie RESULT_VARIABLE kod)
if(NOT kod EQUAL 0)
    message(SEND_ERROR "appstreamcli validate ${METAINFO}: kod ${kod}\n${wyjscie}")
endif()
execute_process(COMMAND ${DESKTOP} ${WPIS} OUTPUT_VARIABLE wyjscie ERROR_VARIABLE wyjscie
                RESULT_VARIABLE kod)
if(NOT kod EQUAL 0 OR NOT wyjscie STREQUAL "")
    message(SEND_ERROR "desktop-file-validate ${WPIS}: kod ${kod}\n${wyjscie}")
endif()
foreach(plik IN ITEMS ${METAINFO} ${WPIS})
    file(READ ${plik} tresc)
    if(tresc MATCHES "example\\.(org|com)|github|gitlab|https?://")
        message(SEND_ERROR "${plik}: an address of a home the project does not have")
    endif()
endforeach()
