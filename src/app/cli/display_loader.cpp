// The tool's side of the display module: WritePictures and WritePdf load the module on first use
// and hand over to it. The module lies at the same place relative to the program in the build
// tree as in an installation.

#include <dlfcn.h>

#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/display_module.h"

namespace tessarin::cli {
namespace {

std::filesystem::path ModulePath() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (program.parent_path() / TESSARIN_CLI_MODULE_DIR / kDisplayModuleFile)
        .lexically_normal();
}

// The module's functions, or null with the reason printed.
const DisplayModule* LoadDisplayModule(std::ostream& err, const std::string& prefix) {
    static const DisplayModule* module = nullptr;
    if (module) {
        return module;
    }
    void* handle = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = handle ? dlsym(handle, kDisplayModuleEntry) : nullptr;
    if (!entry) {
        // The loader's reason names the module's file.
        err << prefix << "the drawing module cannot be loaded: " << dlerror() << "\n";
        return nullptr;
    }
    module = reinterpret_cast<decltype(&TessarinCliDisplayModule)>(entry)();
    return module;
}

}  // namespace

int WritePictures(Project& project, const PictureOptions& options, std::ostream& err,
                  const std::string& prefix) {
    const DisplayModule* module = LoadDisplayModule(err, prefix);
    return module ? module->writePictures(project, options, err, prefix) : kExitFailure;
}

int WritePdf(Project& project, const PdfOptions& options, std::ostream& err,
             const std::string& prefix) {
    const DisplayModule* module = LoadDisplayModule(err, prefix);
    return module ? module->writePdf(project, options, err, prefix) : kExitFailure;
}

}  // namespace tessarin::cli
