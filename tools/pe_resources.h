// The resources of a Windows executable, read and rewritten in its bytes.
#pragma once

#include <string>
#include <vector>

#include "tools/little_endian.h"
#include "tools/resource_tree.h"

namespace packer {

// The section that holds the tree the packer writes takes the usual name,
// for tools that look the resources up by section name; an older resource
// section that stays behind is renamed.
constexpr char kResourceSection[] = ".rsrc";
constexpr char kSupersededResourceSection[] = ".oldrsrc";

// Every resource of `file`, in the order of its tree; none when it has no
// resource directory. False, with the reason in `error`, when the file is
// not a PE image or its tree is damaged; `resources` is then untouched.
bool readPeResources(const Bytes& file, std::vector<Resource>& resources, std::string& error);

// A copy of `file` whose resources are its own plus `additions`, each
// addition replacing one of the same type, name and language. The new tree
// and all resource data lie in a new last section. A resource section that
// is last already and ends the file (as after an earlier packing) is
// dropped first; any other stays where it was, so nothing else in the image
// moves. A signature no longer holds after the change and is removed, and
// the checksum is recomputed. False, with the reason in `error`, when the
// file cannot be packed; `output` is then untouched.
bool writePeResources(const Bytes& file, const std::vector<Resource>& additions, Bytes& output, std::string& error);

}  // namespace packer
