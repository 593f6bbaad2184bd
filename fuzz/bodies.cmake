# The bodies of the fuzz targets as a plain library: the libFuzzer programs
# of this folder (clang, TESSARA_FUZZ) and the replay test under tests/fuzz
# (every build) both use it, so whichever comes first defines it.
if(NOT TARGET tessara_fuzz_bodies)
    tessara_core_library(tessara_fuzz_bodies
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/angle_body.cpp
            ${CMAKE_CURRENT_LIST_DIR}/file_run_body.cpp
            ${CMAKE_CURRENT_LIST_DIR}/line_fields_body.cpp
            ${CMAKE_CURRENT_LIST_DIR}/param_file_bodies.cpp
            ${CMAKE_CURRENT_LIST_DIR}/scratch_file.cpp
            ${CMAKE_CURRENT_LIST_DIR}/targets.cpp
        DEPS tessara_filetransform tessara_values tessara_engine tessara_params)
endif()
