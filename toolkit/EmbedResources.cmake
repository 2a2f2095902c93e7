# Writes a C++ source holding each file as a byte array and the table that
# finds them by number and name. Run with -DDIR=<folder> -DENTRIES=<id:name,...>
# -DOUT=<file.cpp>.
string(REPLACE "," ";" entries "${ENTRIES}")
# An empty table still needs one element in C++; a row with no data is
# never found.
set(rows "    {-1, \"\", nullptr, 0},\n")
set(arrays "")
foreach(entry IN LISTS entries)
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 id)
    list(GET parts 1 name)
    file(READ "${DIR}/${name}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR size "${hex_length} / 2")
    # Every byte becomes "0x..," and a line break every 24 bytes keeps the
    # generated file readable for the compiler's diagnostics.
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
    string(APPEND arrays "const uint8_t resource${id}[${size}] = {\n${bytes}};\n")
    string(APPEND rows "    {${id}, \"${name}\", resource${id}, ${size}},\n")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated from the panel images; do not edit.\n#include \"toolkit/ResourceTable.h\"\n\nnamespace VSTGUI {\nnamespace {\n${arrays}} // namespace\n\nconst ResourceEntry kEmbeddedResources[] = {\n${rows}};\nconst size_t kEmbeddedResourceCount = sizeof(kEmbeddedResources) / sizeof(kEmbeddedResources[0]);\n\n} // namespace VSTGUI\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
