// Sanitizer builds only: fontconfig keeps a few blocks from parsing its
// configuration files that it never frees (FcFini would, but a plug-in must
// not call it), and the leak checker would report them at every exit.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
