# Writes the whole-contest files again with make_expected.py and fails when one differs from the
# file kept beside it, or is missing: the script and the kept files cannot drift apart.
# Run as: cmake -DPYTHON=<python3> -DDATA=<tests/data/whole_contest> -DOUT=<dir> -P <this file>
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${PYTHON} ${DATA}/make_expected.py ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "make_expected.py failed: ${result}")
endif()
file(GLOB made RELATIVE ${OUT} ${OUT}/*)
file(GLOB kept RELATIVE ${DATA} ${DATA}/*)
list(REMOVE_ITEM kept make_expected.py .gitattributes)
if(NOT made STREQUAL kept)
    message(FATAL_ERROR "make_expected.py writes ${made}, the directory keeps ${kept}")
endif()
foreach(name ${made})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${DATA}/${name}
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} differs from what make_expected.py writes: run it again, "
                            "or mend it")
    endif()
endforeach()
