# One static library per subsystem folder: every .cpp/.h of the folder, the
# folder's parent (src/core or src/ui) on the include path.
function(tavrin_module target)
    cmake_parse_arguments(M "" "" "DEPS;RESOURCES" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    # Shared modules serve the mutation script: a changed core file then
    # relinks one library instead of every executable.
    if(TAVRIN_SHARED_MODULES)
        add_library(${target} SHARED ${sources} ${M_RESOURCES})
    else()
        add_library(${target} STATIC ${sources} ${M_RESOURCES})
    endif()
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${target} PUBLIC ${M_DEPS})
    set_property(GLOBAL APPEND PROPERTY TAVRIN_MODULES ${target})
endfunction()

# Stops the configuration when a module reaches itself through its links: a
# library never links one that links it back, so the layers stay readable.
function(tavrin_links target out)
    set(links)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(links ${target} LINK_LIBRARIES)
    endif()
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    list(APPEND links ${interface})
    list(TRANSFORM links REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1")
    set(${out} ${links} PARENT_SCOPE)
endfunction()

function(tavrin_check_module_links)
    get_property(modules GLOBAL PROPERTY TAVRIN_MODULES)
    foreach(start ${modules})
        tavrin_links(${start} pending)
        set(seen)
        while(pending)
            list(POP_FRONT pending lib)
            if(lib STREQUAL start)
                message(FATAL_ERROR "${start} links a library that links it back")
            endif()
            if(TARGET ${lib} AND NOT lib IN_LIST seen)
                list(APPEND seen ${lib})
                get_target_property(imported ${lib} IMPORTED)
                if(NOT imported)
                    tavrin_links(${lib} next)
                    list(APPEND pending ${next})
                endif()
            endif()
        endwhile()
    endforeach()
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
