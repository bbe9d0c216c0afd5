# paarvinder_embed_file(<input> <output.cpp> <symbol>)
# Writes a C++ source that holds the bytes of <input> as
#   const std::uint8_t paarvinder::embedded::<symbol>[]
#   const std::size_t paarvinder::embedded::<symbol>Size
# at configure time; a changed input configures again.
function(paarvinder_embed_file input output symbol)
  get_filename_component(input "${input}" ABSOLUTE)
  file(READ "${input}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  # Sixteen bytes to a line.
  string(REGEX REPLACE "(................................)" "\\1\n    " hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  get_filename_component(name "${input}" NAME)
  file(CONFIGURE OUTPUT "${output}" @ONLY CONTENT
"// Generated from ${name} by EmbedFile.cmake.
#include <cstddef>
#include <cstdint>

namespace paarvinder::embedded {

extern const std::uint8_t ${symbol}[];
extern const std::size_t ${symbol}Size;

alignas(4) const std::uint8_t ${symbol}[${size}] = {
    ${bytes}
};
const std::size_t ${symbol}Size = ${size};

}  // namespace paarvinder::embedded
")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${input}")
endfunction()
