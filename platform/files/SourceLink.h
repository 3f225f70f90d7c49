#pragma once
// How a copy takes an item that is itself a symbolic link; links inside a
// copied tree always stay links.

namespace files {

enum class SourceLink {
    Kept,     // as a link
    Followed, // as what it points to, as cp -H takes its operands
    // As what it points to on the disk that holds it: an absolute target lies
    // under that disk's root, as on the machine the disk belongs to, and a
    // link that leads out of the disk is a failure.
    FollowedOnItsDisk,
};

} // namespace files
