<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CaptionButton</name>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompanionWindow</name>
    <message>
        <source>Color Spy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Mixer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Scale &amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color &amp;Spy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color &amp;Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Ombrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopPick</name>
    <message>
        <source>The desktop&apos;s color picker did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s color picker stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>Width:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mixer</name>
    <message>
        <source>Mix Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mix Red, Green, Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy values to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Color Mixer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnTopToggle</name>
    <message>
        <source>On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not On Top</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScaleUnit</name>
    <message>
        <source>Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twips</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Visit the Drevani web site with the Drevani button for news, help and our other programs, and join the Drevani mailing list to hear about new and updated programs as soon as they come out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drevani Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drevani&apos;s Ombrix 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Join the Drevani Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New and Updated Program Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drevani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drevani Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info about your Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. You may reproduce and distribute it, or any part of it, only under the terms of the GNU General Public License, version 3 or any later version; doing so outside those terms infringes its copyright.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>RGB #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Value </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VB Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QB Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Start - Press Enter to Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Color Spy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A borderless ruler that floats above the desktop and measures things on the screen, with Color Spy and Color Mixer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
