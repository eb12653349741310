#pragma once

namespace vireo {

// The shell's pictures (the logo) live in this static library's resources, which must be
// pulled in by name before the first use. Cheap to call again.
void initShellResources();

} // namespace vireo
