<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CaptionButton</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CompanionWindow</name>
    <message>
        <source>Color Spy</source>
        <translation>Farbspion</translation>
    </message>
    <message>
        <source>Color Mixer</source>
        <translation>Farbmischer</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Scale &amp;Mode</source>
        <translation>&amp;Maßeinheit</translation>
    </message>
    <message>
        <source>C&amp;urrent</source>
        <translation>A&amp;ktuell</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Width: 0</source>
        <translation>Breite: 0</translation>
    </message>
    <message>
        <source>Height: 0</source>
        <translation>Höhe: 0</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Color &amp;Spy</source>
        <translation>&amp;Farbspion</translation>
    </message>
    <message>
        <source>Color &amp;Mixer</source>
        <translation>Farb&amp;mischer</translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation>&amp;Texteditor</translation>
    </message>
    <message>
        <source>Show &amp;Horizontal</source>
        <translation>&amp;Waagerecht zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Vertical</source>
        <translation>&amp;Senkrecht zeigen</translation>
    </message>
    <message>
        <source>&amp;New Ombrix</source>
        <translation>&amp;Neues Ombrix</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Ombrix</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>DesktopPick</name>
    <message>
        <source>The desktop&apos;s color picker did not answer.</source>
        <translation>Die Farbauswahl des Desktops antwortet nicht.</translation>
    </message>
    <message>
        <source>The desktop&apos;s color picker stopped.</source>
        <translation>Die Farbauswahl des Desktops wurde beendet.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen.</source>
        <translation>Dieser Desktop lässt Programme den Bildschirm nicht lesen.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>Width:  </source>
        <translation>Breite:  </translation>
    </message>
    <message>
        <source>Height:  </source>
        <translation>Höhe:  </translation>
    </message>
</context>
<context>
    <name>Mixer</name>
    <message>
        <source>Mix Colors</source>
        <translation>Farben mischen</translation>
    </message>
    <message>
        <source>Mix Red, Green, Blue</source>
        <translation>Rot, Grün, Blau mischen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>RGB Value</source>
        <translation>RGB-Wert</translation>
    </message>
    <message>
        <source>Hex Value</source>
        <translation>Hex-Wert</translation>
    </message>
    <message>
        <source>Decimal Value</source>
        <translation>Dezimalwert</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy values to Clipboard</source>
        <translation>Werte in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close Color Mixer</source>
        <translation>Farbmischer schließen</translation>
    </message>
</context>
<context>
    <name>OnTopToggle</name>
    <message>
        <source>On Top</source>
        <translation>Im Vordergrund</translation>
    </message>
    <message>
        <source>Not On Top</source>
        <translation>Nicht im Vordergrund</translation>
    </message>
</context>
<context>
    <name>ScaleUnit</name>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Twips</source>
        <translation>Twips</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Visit the Drevani web site with the Drevani button for news, help and our other programs, and join the Drevani mailing list to hear about new and updated programs as soon as they come out.</source>
        <translation>Die Schaltfläche Drevani führt zur Website mit Neuigkeiten, Hilfe und weiteren Programmen; die Drevani-Mailingliste meldet neue und aktualisierte Programme, sobald sie erscheinen.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. You may reproduce and distribute it, or any part of it, only under the terms of the GNU General Public License, version 3 or any later version; doing so outside those terms infringes its copyright.</source>
        <translation>Warnung: Dieses Programm ist urheberrechtlich geschützt. Vervielfältigen und verbreiten dürfen Sie es ganz oder in Teilen nur nach der GNU General Public License, Version 3 oder einer späteren Version; alles andere verletzt das Urheberrecht.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Drevani Software</source>
        <translation>Drevani Software</translation>
    </message>
    <message>
        <source>Drevani&apos;s Ombrix 1.0</source>
        <translation>Ombrix 1.0 von Drevani</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Programmtitel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Join the Drevani Mailing List</source>
        <translation>Mailingliste &amp;abonnieren</translation>
    </message>
    <message>
        <source>New and Updated Program Notice</source>
        <translation>Hinweise auf neue und aktualisierte Programme</translation>
    </message>
    <message>
        <source>&amp;Drevani</source>
        <translation>&amp;Drevani</translation>
    </message>
    <message>
        <source>Drevani Home Page</source>
        <translation>Drevani-Website</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation>&amp;Systeminfo</translation>
    </message>
    <message>
        <source>Info about your Computer</source>
        <translation>Informationen über Ihren Computer</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>RGB #</source>
        <translation>RGB #</translation>
    </message>
    <message>
        <source>Red Value </source>
        <translation>Rotwert</translation>
    </message>
    <message>
        <source>Green Value</source>
        <translation>Grünwert</translation>
    </message>
    <message>
        <source>Blue Value</source>
        <translation>Blauwert</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>VB Color</source>
        <translation>VB-Farbe</translation>
    </message>
    <message>
        <source>QB Color</source>
        <translation>QB-Farbe</translation>
    </message>
    <message>
        <source>X Pos</source>
        <translation>X-Pos.</translation>
    </message>
    <message>
        <source>Y Pos</source>
        <translation>Y-Pos.</translation>
    </message>
    <message>
        <source>Click Start - Press Enter to Copy</source>
        <translation>Start klicken – Eingabe kopiert</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Capture Color</source>
        <translation>Farbe erfassen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close Color Spy</source>
        <translation>Farbspion schließen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A borderless ruler that floats above the desktop and measures things on the screen, with Color Spy and Color Mixer.</source>
        <translation>Ein randloses Lineal, das über dem Desktop schwebt und Dinge auf dem Bildschirm misst, mit Farbspion und Farbmischer.</translation>
    </message>
</context>
</TS>
