#include "frame/project_data.h"

namespace zorm1 {

ProjectData P;

void ResetProjectData() {
    P = ProjectData{};
}

} // namespace zorm1
