// Long host blocks go through the audio path in pieces of at most this many
// frames: a piece fits the stack buffers of the shell's block entry and of
// the chain's stage-by-stage form, so neither allocates.
#pragma once

namespace gravelo::runtime {

constexpr int kPieceFrames = 128;

} // namespace gravelo::runtime
