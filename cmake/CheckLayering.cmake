# check_layering(): run once every library is defined. Each library belongs to
# the layer of the folder that defines it, and may link project_options, the
# libraries of its own layer and those of the layers below; the toolkit and
# system libraries only in the framework layer. A link across these lines fails
# configuration, before anything compiles, naming the library and the link.

# The layers, lowest first; the folders of one layer are joined by commas. The
# wizard, gather and transfer reach each other as the design has them.
set(LAYERING_LAYERS "platform" "common" "wizard,gather,transfer" "app")
set(LAYERING_TOOLKIT "^(Qt6|ICU|Boost)::|^Threads::Threads$|^${CMAKE_DL_LIBS}$")

# The libraries and programs defined in <folder> and below it.
function(layering_targets_of folder out)
    get_property(targets DIRECTORY "${folder}" PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subfolders DIRECTORY "${folder}" PROPERTY SUBDIRECTORIES)
    foreach(subfolder IN LISTS subfolders)
        layering_targets_of("${subfolder}" below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Appends to the list <found> each link of <target> that is neither in
# <allowed> nor, when <toolkit> is true, a toolkit or system library.
function(layering_breaches_of target allowed toolkit found)
    set(breaches ${${found}})
    get_property(own TARGET ${target} PROPERTY LINK_LIBRARIES)
    get_property(offered TARGET ${target} PROPERTY INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS own offered)
        # Links added from another folder come between ::@ markers.
        if(link MATCHES "^::@" OR link STREQUAL "")
            continue()
        endif()
        # A static library passes its private links on as $<LINK_ONLY:...>.
        if(link MATCHES "^\\$<LINK_ONLY:([^$<>]+)>$")
            set(link "${CMAKE_MATCH_1}")
        endif()
        if(link IN_LIST allowed OR (toolkit AND link MATCHES "${LAYERING_TOOLKIT}"))
            continue()
        endif()
        list(APPEND breaches "${target} may not link ${link}")
    endforeach()
    set(${found} ${breaches} PARENT_SCOPE)
endfunction()

function(check_layering)
    # A probe of tests/layering injects one forbidden link, "library:link".
    if(DRAVO_LAYERING_PROBE MATCHES "^([^:]+):(.+)$")
        target_link_libraries(${CMAKE_MATCH_1} PRIVATE ${CMAKE_MATCH_2})
    endif()

    set(allowed project_options)
    set(toolkit TRUE)
    set(breaches)
    foreach(layer IN LISTS LAYERING_LAYERS)
        string(REPLACE "," ";" folders "${layer}")
        set(targets)
        foreach(folder IN LISTS folders)
            layering_targets_of("${PROJECT_SOURCE_DIR}/${folder}" found)
            list(APPEND targets ${found})
        endforeach()
        list(APPEND allowed ${targets})
        foreach(target IN LISTS targets)
            layering_breaches_of(${target} "${allowed}" ${toolkit} breaches)
        endforeach()
        set(toolkit FALSE)
    endforeach()

    # A private link of a static library is read twice: as its own and as $<LINK_ONLY:...>.
    list(REMOVE_DUPLICATES breaches)
    if(breaches)
        list(JOIN breaches "\n  " lines)
        message(FATAL_ERROR "Links across the layers (cmake/CheckLayering.cmake):\n  ${lines}")
    endif()
endfunction()
