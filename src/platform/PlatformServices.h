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
// fakes in for any of them. The program installs the real ones as it starts
// (RealPlatform, in app/), the unit tests their fakes.
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
