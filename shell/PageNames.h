// The names of the thirteen pages. A page takes its name from here and every page switch
// names its page from here, so a misspelt name does not compile.
#pragma once

namespace PageName {

inline constexpr char PnlWelcome[] = "PnlWelcome";
inline constexpr char PnlDisclaimer[] = "PnlDisclaimer";
inline constexpr char PnlInstall[] = "PnlInstall";
inline constexpr char PnlInstallChooseDir[] = "PnlInstallChooseDir";
inline constexpr char PNLInstallChooseDownloadDir[] = "PNLInstallChooseDownloadDir";
inline constexpr char PNLInstallChooseConnection[] = "PNLInstallChooseConnection";
inline constexpr char PNLInstallGo[] = "PNLInstallGo";
inline constexpr char PNLInstallInstalling[] = "PNLInstallInstalling";
inline constexpr char PNLInstallReady[] = "PNLInstallReady";
inline constexpr char PnlUpgradeFindDir[] = "PnlUpgradeFindDir";
inline constexpr char PNLUpgradeStart[] = "PNLUpgradeStart";
inline constexpr char PNLUpgradeUpgrading[] = "PNLUpgradeUpgrading";
inline constexpr char PNLUpgradeReady[] = "PNLUpgradeReady";

} // namespace PageName
