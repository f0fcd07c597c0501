// Names that follow the service number of an editor instance ("/DDE=" n).
#include "InstanceNames.h"

std::string ServiceName(int serviceNumber) {
    std::string name = "wXB/JC";
    if (serviceNumber != 0)
        name += std::to_string(serviceNumber);
    return name;
}

std::string ResultWorkFileName(const std::string& programFolder, int serviceNumber) {
    std::string name = programFolder + "TERGET";
    if (serviceNumber != 0)
        name += std::to_string(serviceNumber);
    return name + ".TMP";
}

std::wstring NumberedProfileName(const std::wstring& profileName, int serviceNumber) {
    if (serviceNumber == 0)
        return profileName;
    std::wstring base = profileName.size() > 4 ? profileName.substr(0, profileName.size() - 4) : std::wstring();
    return base + std::to_wstring(serviceNumber) + L".INI";
}
