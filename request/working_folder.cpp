#include "request/working_folder.h"

#include "frame/messages.h"
#include "platform/runtime/winfs.h"

namespace zorrun {

std::string OrdnerBelegtMeldung(const std::string& ordner) {
    return "In diesem Arbeitsordner läuft bereits ein ZOR:\r\n\r\n" + ordner +
           "\r\n\r\nZwei Programme in einem Ordner würden ihre Arbeitsdateien gegenseitig"
           "\r\nüberschreiben. Dieses Programm wird beendet, ohne etwas zu ändern."
           "\r\nBitte das andere Programm beenden oder ZOR in einem anderen Ordner starten.";
}

std::unique_ptr<vb::OrdnerSperre> ArbeitsordnerSperren() {
    const std::string ordner = vb::CurDir();
    auto sperre = std::make_unique<vb::OrdnerSperre>(ordner);
    if (sperre->zustand() == vb::OrdnerSperre::Zustand::Belegt) {
        zor::Melden(OrdnerBelegtMeldung(ordner), vb::vbCritical, "ZOR läuft bereits");
        return nullptr;
    }
    return sperre;
}

} // namespace zorrun
