#include "app/clip_module.h"

#include <QCoreApplication>
#include <QLibrary>

#include "clips/module.h"

namespace ignivar::app {

Status export_clip_through_module(const host::Replay& replay, const clips::ExportRequest& request,
                                  const std::function<bool(double)>& progress) {
    static clips::ExportFunction exporter = nullptr;
    static QString problem;
    if (!exporter && problem.isEmpty()) {
        // Installed in the library folder beside the programs' one; in a
        // build tree, beside the program.
        const QString programs = QCoreApplication::applicationDirPath();
        for (const QString& dir : {programs + "/" + IGNIVAR_CLIPS_MODULE_FROM_BIN, programs}) {
            QLibrary module(dir + "/" + clips::kModuleFile);
            if (!module.load()) {
                problem = module.errorString();
                continue;
            }
            using Entry = clips::ExportFunction (*)();
            if (const auto entry = reinterpret_cast<Entry>(module.resolve(clips::kModuleEntry))) {
                exporter = entry();  // kept loaded for the rest of the run
                break;
            }
            problem = module.errorString();
        }
    }
    if (!exporter)
        return failure(said("Clips", "the clip exporter %1 could not be loaded: %2")
                           .with(std::string(clips::kModuleFile))
                           .with(problem.toStdString()));
    return exporter(replay, request, progress);
}

}  // namespace ignivar::app
