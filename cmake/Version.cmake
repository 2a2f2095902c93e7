# The one version of the product: VERSION at the root, read here for every
# build (and by the release scripts and the installer). Sets GRAVELO_VERSION
# and gives every source the GRAVELO_VERSION_* definitions effect/Identity.h
# states it by.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../VERSION GRAVELO_VERSION LIMIT_COUNT 1)
if(NOT GRAVELO_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VERSION holds '${GRAVELO_VERSION}', not major.minor.patch")
endif()
add_compile_definitions(GRAVELO_VERSION_MAJOR=${CMAKE_MATCH_1} GRAVELO_VERSION_MINOR=${CMAKE_MATCH_2}
                        GRAVELO_VERSION_PATCH=${CMAKE_MATCH_3} GRAVELO_VERSION_TEXT="${GRAVELO_VERSION}")
