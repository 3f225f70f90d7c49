# offer_folder_headers(<target> <folder>): the target's users may include the
# headers of <folder> as "<folder>/Name.h", and nothing else through it. The
# build tree holds, for each folder, an include root with one link named after
# the folder.
function(offer_folder_headers target folder)
    set(root "${PROJECT_BINARY_DIR}/include/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE "${root}")
    else()
        target_include_directories(${target} PUBLIC "${root}")
    endif()
endfunction()
