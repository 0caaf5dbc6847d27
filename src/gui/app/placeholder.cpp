// The designer's main window grows here; qv_gui needs one source to be a library.
namespace qv::gui {
int guiLibraryVersion() { return 21; }
}  // namespace qv::gui
