// Gives every library target at least one translation unit, so a folder can
// start out holding only headers.
namespace shosu_anchor { [[maybe_unused]] static int anchor = 0; }
