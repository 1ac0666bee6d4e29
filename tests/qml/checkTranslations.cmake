# Runs lupdate over the program's sources into copies of the catalogues in languages/. A copy that
# comes out changed shows a text of the code that the catalogue lacks, or one that it holds but
# the code no longer asks for; `cmake --build build --target update_translations` brings the
# catalogues in line.
#
# cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch dir> -P <this file>

file(REMOVE_RECURSE "${WORK_DIR}")
file(GLOB catalogues "${SOURCE_DIR}/languages/*.ts")
file(COPY ${catalogues} DESTINATION "${WORK_DIR}")
file(GLOB copies "${WORK_DIR}/*.ts")
execute_process(COMMAND "${LUPDATE}" -silent -locations none app core models qml -ts ${copies}
    WORKING_DIRECTORY "${SOURCE_DIR}" COMMAND_ERROR_IS_FATAL ANY)
foreach(catalogue IN LISTS catalogues)
    get_filename_component(name "${catalogue}" NAME)
    execute_process(COMMAND diff -u "${catalogue}" "${WORK_DIR}/${name}" RESULT_VARIABLE differs)
    if(differs)
        message(SEND_ERROR "${name} is not in line with the texts of the code")
    endif()
endforeach()
