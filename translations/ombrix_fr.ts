<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CaptionButton</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CompanionWindow</name>
    <message>
        <source>Color Spy</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Color Mixer</source>
        <translation>Mélangeur</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Scale &amp;Mode</source>
        <translation>&amp;Unité</translation>
    </message>
    <message>
        <source>C&amp;urrent</source>
        <translation>&amp;Mesure</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Width: 0</source>
        <translation>Largeur : 0</translation>
    </message>
    <message>
        <source>Height: 0</source>
        <translation>Hauteur : 0</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Color &amp;Spy</source>
        <translation>&amp;Pipette</translation>
    </message>
    <message>
        <source>Color &amp;Mixer</source>
        <translation>&amp;Mélangeur</translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation>Éditeur de &amp;texte</translation>
    </message>
    <message>
        <source>Show &amp;Horizontal</source>
        <translation>Afficher à l&apos;&amp;horizontale</translation>
    </message>
    <message>
        <source>Show &amp;Vertical</source>
        <translation>Afficher à la &amp;verticale</translation>
    </message>
    <message>
        <source>&amp;New Ombrix</source>
        <translation>&amp;Nouvel Ombrix</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>DesktopPick</name>
    <message>
        <source>The desktop&apos;s color picker did not answer.</source>
        <translation>Le sélecteur de couleur du bureau ne répond pas.</translation>
    </message>
    <message>
        <source>The desktop&apos;s color picker stopped.</source>
        <translation>Le sélecteur de couleur du bureau s&apos;est arrêté.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen.</source>
        <translation>Ce bureau ne laisse pas les programmes lire l&apos;écran.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Vers la droite</translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>Width:  </source>
        <translation>Largeur :  </translation>
    </message>
    <message>
        <source>Height:  </source>
        <translation>Hauteur :  </translation>
    </message>
</context>
<context>
    <name>Mixer</name>
    <message>
        <source>Mix Colors</source>
        <translation>Mélanger les couleurs</translation>
    </message>
    <message>
        <source>Mix Red, Green, Blue</source>
        <translation>Mélanger rouge, vert, bleu</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>RGB Value</source>
        <translation>Valeur RVB</translation>
    </message>
    <message>
        <source>Hex Value</source>
        <translation>Valeur hexa</translation>
    </message>
    <message>
        <source>Decimal Value</source>
        <translation>Valeur décimale</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy values to Clipboard</source>
        <translation>Copier les valeurs dans le presse-papiers</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close Color Mixer</source>
        <translation>Fermer le mélangeur</translation>
    </message>
</context>
<context>
    <name>OnTopToggle</name>
    <message>
        <source>On Top</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Not On Top</source>
        <translation>Pas au premier plan</translation>
    </message>
</context>
<context>
    <name>ScaleUnit</name>
    <message>
        <source>Pixels</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimètres</translation>
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
        <translation>Le bouton Drevani mène au site web de Drevani : nouvelles, aide et nos autres programmes. La liste de diffusion Drevani vous annonce nos programmes nouveaux ou mis à jour dès leur sortie.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. You may reproduce and distribute it, or any part of it, only under the terms of the GNU General Public License, version 3 or any later version; doing so outside those terms infringes its copyright.</source>
        <translation>Avertissement : ce programme est protégé par le droit d&apos;auteur. Vous ne pouvez le reproduire et le distribuer, en tout ou en partie, que selon la licence GNU GPL, version 3 ou ultérieure ; le faire autrement viole le droit d&apos;auteur.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Ombrix 1.0 de Drevani</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Titre de l&apos;application</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Join the Drevani Mailing List</source>
        <translation>&amp;Liste de diffusion Drevani</translation>
    </message>
    <message>
        <source>New and Updated Program Notice</source>
        <translation>Avis de programmes nouveaux et mis à jour</translation>
    </message>
    <message>
        <source>&amp;Drevani</source>
        <translation>&amp;Drevani</translation>
    </message>
    <message>
        <source>Drevani Home Page</source>
        <translation>Site web de Drevani</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation>Infos &amp;système</translation>
    </message>
    <message>
        <source>Info about your Computer</source>
        <translation>Informations sur votre ordinateur</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>RGB #</source>
        <translation>RVB #</translation>
    </message>
    <message>
        <source>Red Value </source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green Value</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue Value</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hexa</translation>
    </message>
    <message>
        <source>VB Color</source>
        <translation>Couleur VB</translation>
    </message>
    <message>
        <source>QB Color</source>
        <translation>Couleur QB</translation>
    </message>
    <message>
        <source>X Pos</source>
        <translation>Pos. X</translation>
    </message>
    <message>
        <source>Y Pos</source>
        <translation>Pos. Y</translation>
    </message>
    <message>
        <source>Click Start - Press Enter to Copy</source>
        <translation>Démarrer – Entrée pour copier</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Capture Color</source>
        <translation>Capturer la couleur</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close Color Spy</source>
        <translation>Fermer la pipette</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A borderless ruler that floats above the desktop and measures things on the screen, with Color Spy and Color Mixer.</source>
        <translation>Une règle sans bordure qui flotte au-dessus du bureau et mesure ce qui est à l&apos;écran, avec une pipette et un mélangeur de couleurs.</translation>
    </message>
</context>
</TS>
