# One static library per subsystem folder: every .cpp/.h of the folder, the
# folder's parent (src/core or src/ui) on the include path.
function(tavrin_module target)
    cmake_parse_arguments(M "" "" "DEPS;RESOURCES" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${target} STATIC ${sources} ${M_RESOURCES})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${target} PUBLIC ${M_DEPS})
endfunction()

# One test executable per tst_*.cpp file of the calling folder, run headless
# with a fixed French locale.
function(tavrin_tests)
    cmake_parse_arguments(T "" "" "LIBS;EXTRA" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(file ${tests})
        get_filename_component(name ${file} NAME_WE)
        add_executable(${name} ${file} ${T_EXTRA})
        target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
        target_compile_definitions(${name} PRIVATE
            TAVRIN_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            TIMEOUT 300
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=fr_FR.UTF-8;LC_ALL=C.UTF-8;TZ=Europe/Paris")
    endforeach()
endfunction()
