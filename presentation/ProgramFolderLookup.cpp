// Placeholder translation unit until the painting code lands, so the library always has a source.
namespace zorvik {
int ZorvikUiLibraryVersion() { return 1; }
}  // namespace zorvik
