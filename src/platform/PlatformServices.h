#pragma once

class SettingsStore;
class Clipboard;
class Shell;
class ScreenSampler;
class TopMostBand;
class WindowMover;
class SysInfoSource;
class MessageShower;
class ColorPicker;
class WindowMenu;
class WindowPlace;

// The platform services the windows use, in one place so that tests can put
// fakes in for any of them. Members left null are filled with the real
// implementation on first use.
struct PlatformServices
{
    SettingsStore *settings = nullptr;
    Clipboard *clipboard = nullptr;
    Shell *shell = nullptr;
    ScreenSampler *sampler = nullptr;
    TopMostBand *topMostBand = nullptr;
    WindowMover *mover = nullptr;
    SysInfoSource *sysInfo = nullptr;
    MessageShower *messages = nullptr;
    ColorPicker *colorPicker = nullptr;
    WindowMenu *windowMenu = nullptr;
    WindowPlace *windowPlace = nullptr;
};

// The services in force.
PlatformServices &platform();
// Replaces the services in force; returns the ones it replaced.
PlatformServices installPlatform(const PlatformServices &services);
