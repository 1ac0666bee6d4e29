# Runs lupdate over the program's sources into a scratch catalogue and compares its messages,
# as pairs of context and source text, with those of every catalogue in languages/. Fails on a
# text of the code that a catalogue lacks and on a text of a catalogue that the code no longer
# asks for.
#
# cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch dir> -P <this file>

cmake_minimum_required(VERSION 3.25)

# The messages of a .ts file as "context|source" entries, "(plural)" appended to plural ones.
function(read_messages pFile pOut)
    file(READ "${pFile}" content)
    # List separators and brackets would break CMake's list handling (the stand-ins contain
    # none); entities differ between writers of .ts files.
    string(REPLACE ";" "{semicolon}" content "${content}")
    string(REPLACE "[" "{open}" content "${content}")
    string(REPLACE "]" "{close}" content "${content}")
    string(REPLACE "&apos;" "'" content "${content}")
    string(REPLACE "&quot;" "\"" content "${content}")
    string(REPLACE "<context>" ";" contexts "${content}")
    list(POP_FRONT contexts)
    set(messages)
    foreach(context IN LISTS contexts)
        string(REGEX MATCH "<name>([^<]*)</name>" ignored "${context}")
        set(name "${CMAKE_MATCH_1}")
        string(REPLACE "<message" ";" entries "${context}")
        list(POP_FRONT entries)
        foreach(entry IN LISTS entries)
            string(REGEX MATCH "<source>([^<]*)</source>" ignored "${entry}")
            set(message "${name}|${CMAKE_MATCH_1}")
            if(entry MATCHES "^[^>]*numerus=\"yes\"")
                string(APPEND message " (plural)")
            endif()
            list(APPEND messages "${message}")
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES messages)
    set(${pOut} "${messages}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(codeCatalogue "${WORK_DIR}/code.ts")
execute_process(
    COMMAND "${LUPDATE}" -silent -locations none app core models qml -ts "${codeCatalogue}"
    WORKING_DIRECTORY "${SOURCE_DIR}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed with ${result}")
endif()

read_messages("${codeCatalogue}" codeMessages)
list(LENGTH codeMessages codeCount)
if(codeCount EQUAL 0)
    message(FATAL_ERROR "lupdate found no translated text in the code")
endif()

file(GLOB catalogues "${SOURCE_DIR}/languages/*.ts")
if(NOT catalogues)
    message(FATAL_ERROR "no catalogue in ${SOURCE_DIR}/languages")
endif()

set(faults)
foreach(catalogue IN LISTS catalogues)
    get_filename_component(catalogueName "${catalogue}" NAME)
    read_messages("${catalogue}" catalogueMessages)
    set(missing ${codeMessages})
    if(catalogueMessages)
        list(REMOVE_ITEM missing ${catalogueMessages})
    endif()
    set(unused ${catalogueMessages})
    list(REMOVE_ITEM unused ${codeMessages})
    foreach(message IN LISTS missing)
        list(APPEND faults "${catalogueName} lacks: ${message}")
    endforeach()
    foreach(message IN LISTS unused)
        list(APPEND faults "${catalogueName} holds a text the code does not use: ${message}")
    endforeach()
endforeach()

if(faults)
    foreach(fault IN LISTS faults)
        message(NOTICE "${fault}")
    endforeach()
    list(LENGTH faults faultCount)
    message(FATAL_ERROR "${faultCount} catalogue entries differ from the code's texts")
endif()
list(LENGTH catalogues catalogueCount)
message(STATUS "${codeCount} texts of the code, each in all ${catalogueCount} catalogues")
