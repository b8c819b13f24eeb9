<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kyt::AlignCommands</name>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Align Centres</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <source>Align Middles</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <source>Distribute Horizontally</source>
        <translation>Horizontal verteilen</translation>
    </message>
    <message>
        <source>Distribute Vertically</source>
        <translation>Vertikal verteilen</translation>
    </message>
    <message>
        <source>Same Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <source>Same Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
</context>
<context>
    <name>kyt::Barcode</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>holds %1 digits (%2 with its check digit)</source>
        <translation>enthält %1 Ziffern (%2 mit Prüfziffer)</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>there is nothing to encode</source>
        <translation>es gibt nichts zu codieren</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>no symbol came out</source>
        <translation>es entstand kein Symbol</translation>
    </message>
</context>
<context>
    <name>kyt::CDesignObject</name>
    <message>
        <source>Invalid picture: the logo has no picture</source>
        <translation>Ungültiges Bild: Das Logo hat kein Bild</translation>
    </message>
    <message>
        <source> Font Not Found: Using MS San Serif for </source>
        <translation> Schriftart nicht gefunden: MS Sans Serif wird verwendet für </translation>
    </message>
    <message>
        <source>Font Load Error</source>
        <translation>Fehler beim Laden der Schriftart</translation>
    </message>
</context>
<context>
    <name>kyt::CError</name>
    <message>
        <source>System Error</source>
        <translation>Systemfehler</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
    <message>
        <source>There has been an error in your application!  The action that you were attempting will not be complete.</source>
        <translation>In Ihrer Anwendung ist ein Fehler aufgetreten!  Die gewünschte Aktion wird nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Please record the following information for future reference should this error persist.</source>
        <translation>Bitte notieren Sie die folgenden Angaben für den Fall, dass dieser Fehler erneut auftritt.</translation>
    </message>
    <message>
        <source>     Version: 	</source>
        <translation>     Version: 	</translation>
    </message>
    <message>
        <source>     Error Source:	</source>
        <translation>     Fehlerquelle:	</translation>
    </message>
    <message>
        <source>     Error Type:	</source>
        <translation>     Fehlerart:	</translation>
    </message>
    <message>
        <source>     Error Number:	</source>
        <translation>     Fehlernummer:	</translation>
    </message>
    <message>
        <source>     Error Message:	</source>
        <translation>     Fehlermeldung:	</translation>
    </message>
    <message>
        <source>     32bit DLL Error:	</source>
        <translation>     32-Bit-DLL-Fehler:	</translation>
    </message>
    <message>
        <source>Re-attempt what you were doing.  If this error persists contact </source>
        <translation>Versuchen Sie es erneut.  Wenn dieser Fehler weiterhin auftritt, wenden Sie sich an </translation>
    </message>
    <message>
        <source>at </source>
        <translation>unter </translation>
    </message>
    <message>
        <source>This is a CRITICAL error!  Your application will be terminated!</source>
        <translation>Dies ist ein KRITISCHER Fehler!  Ihre Anwendung wird beendet!</translation>
    </message>
    <message>
        <source>%1 Error!</source>
        <translation>%1-Fehler!</translation>
    </message>
</context>
<context>
    <name>kyt::COutline</name>
    <message>
        <source>The outline has no rectangle.</source>
        <translation>Die Markierung hat kein Rechteck.</translation>
    </message>
    <message>
        <source>No handle is dragged.</source>
        <translation>Es wird kein Anfasser gezogen.</translation>
    </message>
    <message>
        <source>The font </source>
        <translation>Die zuvor gewählte Schriftart </translation>
    </message>
    <message>
        <source> previously selected is not available.  A default font has been selected.</source>
        <translation> ist nicht verfügbar.  Eine Standardschriftart wurde gewählt.</translation>
    </message>
    <message>
        <source>Missing Font</source>
        <translation>Fehlende Schriftart</translation>
    </message>
    <message>
        <source>The control belongs to no array.</source>
        <translation>Das Steuerelement gehört zu keinem Feld von Steuerelementen.</translation>
    </message>
    <message>
        <source>The control is not loaded.</source>
        <translation>Das Steuerelement ist nicht geladen.</translation>
    </message>
    <message>
        <source>No control has been selected.</source>
        <translation>Es wurde kein Steuerelement ausgewählt.</translation>
    </message>
    <message>
        <source>Load Logo</source>
        <translation>Logo laden</translation>
    </message>
    <message>
        <source>The File you are about to load is </source>
        <translation>Die Datei, die Sie laden möchten, ist </translation>
    </message>
    <message>
        <source> Kb.<byte value="xd"/>
</source>
        <translation> KB groß.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Files over 100 Kb are considered large and will greatly increase the print and display time of your formats.<byte value="xd"/>
</source>
        <translation>Dateien über 100 KB gelten als groß und verlängern die Druck- und Anzeigezeit Ihrer Vorlagen erheblich.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to continue loading the file?</source>
        <translation>Möchten Sie die Datei wirklich laden?</translation>
    </message>
    <message>
        <source>Confirm Large File Load</source>
        <translation>Laden einer großen Datei bestätigen</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2. Pictures can be BMP, ICO, JPEG, GIF or PNG files; metafiles (WMF, EMF) are not supported.</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2. Bilder können BMP-, ICO-, JPEG-, GIF- oder PNG-Dateien sein; Metadateien (WMF, EMF) werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>unknown format</source>
        <translation>unbekanntes Format</translation>
    </message>
</context>
<context>
    <name>kyt::CParseString</name>
    <message>
        <source>Type mismatch: field length &quot;%1&quot; is not a number</source>
        <translation>Typen unverträglich: Die Feldlänge „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Overflow: field length %1</source>
        <translation>Überlauf: Feldlänge %1</translation>
    </message>
    <message>
        <source>Type mismatch: field &quot;%1&quot; does not hold text</source>
        <translation>Typen unverträglich: Das Feld „%1“ enthält keinen Text</translation>
    </message>
    <message>
        <source>Object variable not set: no print data for the field references</source>
        <translation>Objektvariable nicht festgelegt: keine Druckdaten für die Feldverweise</translation>
    </message>
    <message>
        <source>Out of stack space: more than %1 field references (a field refers to itself?)</source>
        <translation>Nicht genügend Stapelspeicher: mehr als %1 Feldverweise (verweist ein Feld auf sich selbst?)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;{{&quot; without &quot;}}&quot;</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: „{{“ ohne „}}“</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;}}&quot; before &quot;{{&quot;</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: „}}“ vor „{{“</translation>
    </message>
    <message>
        <source>Out of memory: the line grows beyond %1 characters</source>
        <translation>Nicht genügend Speicher: Die Zeile wird länger als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>kyt::CPrintTemplate</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; does not exist</source>
        <translation>Das Steuerelementfeld-Element „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>A static text box can not be saved without text.</source>
        <translation>Ein festes Textfeld kann nicht ohne Text gespeichert werden.</translation>
    </message>
    <message>
        <source>A data field box can not be saved without a data field name.</source>
        <translation>Ein Datenfeld kann nicht ohne Datenfeldnamen gespeichert werden.</translation>
    </message>
    <message>
        <source>A logo can not be saved without a picture.</source>
        <translation>Ein Logo kann nicht ohne Bild gespeichert werden.</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Vorlage speichern</translation>
    </message>
</context>
<context>
    <name>kyt::CRegistry</name>
    <message>
        <source>Unknown Error: </source>
        <translation>Unbekannter Fehler: </translation>
    </message>
    <message>
        <source>Unable to create Key</source>
        <translation>Schlüssel kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unable to query Key</source>
        <translation>Schlüssel kann nicht abgefragt werden</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Couldn&apos;t write new value to registry.</source>
        <translation>Der neue Wert konnte nicht in die Einstellungen geschrieben werden.</translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not set value</source>
        <translation>Wert konnte nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>kyt::CTextObjectBase</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Code 39 holds only A-Z, 0-9, space and - . $ / + %</source>
        <translation>Code 39 enthält nur A-Z, 0-9, Leerzeichen und - . $ / + %</translation>
    </message>
    <message>
        <source>Code 128 B holds only the characters with codes 32 to 127</source>
        <translation>Code 128 B enthält nur die Zeichen mit den Codes 32 bis 127</translation>
    </message>
    <message>
        <source>Code 128 C holds only digits</source>
        <translation>Code 128 C enthält nur Ziffern</translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <translation>%1, nicht %2</translation>
    </message>
    <message>
        <source>%1: the value &quot;%2&quot; cannot be drawn as a barcode: %3</source>
        <translation>%1: Der Wert „%2“ kann nicht als Barcode gezeichnet werden: %3</translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <translation>Feld „%1“</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source> Font Not Found. Render Aborted</source>
        <translation> Schriftart nicht gefunden. Zeichnen abgebrochen</translation>
    </message>
    <message>
        <source>Font Error</source>
        <translation>Schriftartfehler</translation>
    </message>
</context>
<context>
    <name>kyt::CardJob</name>
    <message>
        <source>in field %1</source>
        <translation>in Feld %1</translation>
    </message>
    <message>
        <source>the card could not be drawn: %1; its page is left blank</source>
        <translation>die Karte konnte nicht gezeichnet werden: %1; ihre Seite bleibt leer</translation>
    </message>
    <message>
        <source>a design object failed</source>
        <translation>ein Designobjekt ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>cannot make a file in %1: %2</source>
        <translation>in %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: there is no record %2 (%3 %4)</source>
        <translation>%1: Es gibt keinen Datensatz %2 (%3 %4)</translation>
    </message>
    <message>
        <source>it holds</source>
        <translation>sie enthält</translation>
    </message>
    <message>
        <source>the file holds</source>
        <translation>die Datei enthält</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1: %2 ist leer</translation>
    </message>
    <message>
        <source>the template cannot be copied for drawing</source>
        <translation>die Vorlage kann zum Zeichnen nicht kopiert werden</translation>
    </message>
    <message>
        <source>cannot write a part of the document: %1</source>
        <translation>ein Teil des Dokuments kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>no template</source>
        <translation>keine Vorlage</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: not a template file</source>
        <translation>%1: keine Vorlagendatei</translation>
    </message>
    <message>
        <source>%1: field %2: %3</source>
        <translation>%1: Feld %2: %3</translation>
    </message>
    <message>
        <source>the card&apos;s size %1 x %2 inches makes no sense (each side must be 0.1 to 200 inches)</source>
        <translation>die Kartengröße %1 x %2 Zoll ergibt keinen Sinn (jede Seite muss 0,1 bis 200 Zoll messen)</translation>
    </message>
</context>
<context>
    <name>kyt::CardSizeCheck</name>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>The %1 of %2 must be a number of inches above 0 and at most %3.</source>
        <translation>%1 von %2 muss eine Zahl von Zoll über 0 und höchstens %3 sein.</translation>
    </message>
    <message>
        <source>The %1 of %2 must be a number of millimetres above 0 and at most %3.</source>
        <translation>%1 von %2 muss eine Zahl von Millimetern über 0 und höchstens %3 sein.</translation>
    </message>
</context>
<context>
    <name>kyt::CardSnapshot</name>
    <message>
        <source>no template is open</source>
        <translation>keine Vorlage ist geöffnet</translation>
    </message>
    <message>
        <source>the card&apos;s objects could not be collected</source>
        <translation>die Objekte der Karte konnten nicht gesammelt werden</translation>
    </message>
</context>
<context>
    <name>kyt::ControlArray</name>
    <message>
        <source>Control array element &apos;%1&apos; does not exist</source>
        <translation>Das Steuerelementfeld-Element „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt bereits geladen</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Zur Entwurfszeit erstellte Steuerelemente können nicht entladen werden</translation>
    </message>
</context>
<context>
    <name>kyt::Counted</name>
    <message>
        <source>%1 field</source>
        <translation>%1 Feld</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1 Felder</translation>
    </message>
    <message>
        <source>%1 column</source>
        <translation>%1 Spalte</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 Datensatz</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>%1 card</source>
        <translation>%1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>%1 barcode</source>
        <translation>%1 Barcode</translation>
    </message>
    <message>
        <source>%1 barcodes</source>
        <translation>%1 Barcodes</translation>
    </message>
    <message>
        <source>%1 object</source>
        <translation>%1 Objekt</translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation>%1 Objekte</translation>
    </message>
    <message>
        <source>%1 empty record</source>
        <translation>%1 leerer Datensatz</translation>
    </message>
    <message>
        <source>%1 empty records</source>
        <translation>%1 leere Datensätze</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 Problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Probleme</translation>
    </message>
</context>
<context>
    <name>kyt::DataPanel</name>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>No data source</source>
        <translation>Keine Datenquelle</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Drag a field onto the card to place it, or onto a data field to bind it</source>
        <translation>Ziehen Sie ein Feld auf die Karte, um es zu platzieren, oder auf ein Datenfeld, um es zu verknüpfen</translation>
    </message>
    <message>
        <source>First record (Ctrl+Home)</source>
        <translation>Erster Datensatz (Strg+Pos1)</translation>
    </message>
    <message>
        <source>Previous record (Alt+Left)</source>
        <translation>Vorheriger Datensatz (Alt+Links)</translation>
    </message>
    <message>
        <source>Record number: type one and press Enter</source>
        <translation>Datensatznummer: eingeben und Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Next record (Alt+Right)</source>
        <translation>Nächster Datensatz (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Last record (Ctrl+End)</source>
        <translation>Letzter Datensatz (Strg+Ende)</translation>
    </message>
    <message>
        <source>Type a record number.</source>
        <translation>Geben Sie eine Datensatznummer ein.</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Next record holding the text</source>
        <translation>Nächster Datensatz, der den Text enthält</translation>
    </message>
    <message>
        <source>Show &amp;Data</source>
        <translation>&amp;Daten anzeigen</translation>
    </message>
    <message>
        <source>Show Field &amp;Names</source>
        <translation>Feld&amp;namen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>&amp;Open Data Source...</source>
        <translation>Datenquelle ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close Data Source</source>
        <translation>Datenquelle s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;First Record</source>
        <translation>&amp;Erster Datensatz</translation>
    </message>
    <message>
        <source>&amp;Previous Record</source>
        <translation>&amp;Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>&amp;Next Record</source>
        <translation>&amp;Nächster Datensatz</translation>
    </message>
    <message>
        <source>&amp;Last Record</source>
        <translation>&amp;Letzter Datensatz</translation>
    </message>
    <message>
        <source>&amp;Go to Record...</source>
        <translation>&amp;Gehe zu Datensatz...</translation>
    </message>
    <message>
        <source>F&amp;ind Record...</source>
        <translation>Datensatz &amp;suchen...</translation>
    </message>
    <message>
        <source>Print &amp;Records...</source>
        <translation>Datensätze dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Data &amp;Panel</source>
        <translation>Datenfens&amp;ter</translation>
    </message>
    <message>
        <source>Open Data Source</source>
        <translation>Datenquelle öffnen</translation>
    </message>
    <message>
        <source>The data source could not be opened: %1</source>
        <translation>Die Datenquelle konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Open a data source first.</source>
        <translation>Öffnen Sie zuerst eine Datenquelle.</translation>
    </message>
    <message>
        <source>No record holds &quot;%1&quot;.</source>
        <translation>Kein Datensatz enthält „%1“.</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>The template&apos;s data source could not be opened: %1</source>
        <translation>Die Datenquelle der Vorlage konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Print Records</source>
        <translation>Datensätze drucken</translation>
    </message>
    <message>
        <source>Open a data source with records first (Data, Open Data Source).</source>
        <translation>Öffnen Sie zuerst eine Datenquelle mit Datensätzen (Daten, Datenquelle öffnen).</translation>
    </message>
    <message>
        <source>The card could not be prepared for printing: %1</source>
        <translation>Die Karte konnte nicht für den Druck vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>The photo shows the column &quot;%1&quot;.</source>
        <translation>Das Foto zeigt die Spalte „%1“.</translation>
    </message>
    <message>
        <source>Bind Data Field</source>
        <translation>Datenfeld verknüpfen</translation>
    </message>
    <message>
        <source>Place Data Field</source>
        <translation>Datenfeld platzieren</translation>
    </message>
    <message>
        <source>Data Files (*.csv;*.txt;*.dat;*.sqlite;*.sqlite3;*.db)|*.csv;*.txt;*.dat;*.sqlite;*.sqlite3;*.db|CSV Files (*.csv)|*.csv|SQLite Databases (*.sqlite;*.sqlite3;*.db)|*.sqlite;*.sqlite3;*.db|All Files (*.*)|*.*</source>
        <translation>Datendateien (*.csv;*.txt;*.dat;*.sqlite;*.sqlite3;*.db)|*.csv;*.txt;*.dat;*.sqlite;*.sqlite3;*.db|CSV-Dateien (*.csv)|*.csv|SQLite-Datenbanken (*.sqlite;*.sqlite3;*.db)|*.sqlite;*.sqlite3;*.db|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Open a CSV file, a data file or a SQLite database</source>
        <translation>Eine CSV-Datei, eine Datendatei oder eine SQLite-Datenbank öffnen</translation>
    </message>
    <message>
        <source>Data&amp;base...</source>
        <translation>Daten&amp;bank...</translation>
    </message>
    <message>
        <source>Open a table or a query of a SQLite or PostgreSQL database</source>
        <translation>Eine Tabelle oder Abfrage einer SQLite- oder PostgreSQL-Datenbank öffnen</translation>
    </message>
    <message>
        <source>Open Data&amp;base...</source>
        <translation>Daten&amp;bank öffnen...</translation>
    </message>
    <message>
        <source>Opening the data source was cancelled.</source>
        <translation>Das Öffnen der Datenquelle wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>kyt::DataSource</name>
    <message>
        <source>a quoted field is not closed before the end of the file</source>
        <translation>ein Feld in Anführungszeichen ist vor dem Dateiende nicht geschlossen</translation>
    </message>
    <message>
        <source>the record is longer than %1 bytes</source>
        <translation>der Datensatz ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>nach einem schließenden Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field (field %1) was kept as a character</source>
        <translation>ein Anführungszeichen in einem Feld ohne Anführungszeichen (Feld %1) wurde als Zeichen übernommen</translation>
    </message>
    <message>
        <source>field %1 holds a NUL character (code 0): the file is damaged or not text (UTF-16 needs its byte order mark)</source>
        <translation>Feld %1 enthält ein NUL-Zeichen (Code 0): Die Datei ist beschädigt oder kein Text (UTF-16 braucht seine Bytereihenfolge-Markierung)</translation>
    </message>
    <message>
        <source>field %1 is UTF-8 while the file is read as Windows-1252 (other records are not UTF-8): it reads &quot;%2&quot;, not &quot;%3&quot;; save the file in one encoding</source>
        <translation>Feld %1 ist UTF-8, während die Datei als Windows-1252 gelesen wird (andere Datensätze sind kein UTF-8): Es lautet „%2“, nicht „%3“; speichern Sie die Datei in einer einzigen Kodierung</translation>
    </message>
    <message>
        <source>field %1 is not valid UTF-8 text</source>
        <translation>Feld %1 ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 where the header has %2</source>
        <translation>%1, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <source>the file is empty: a header row naming the columns is needed</source>
        <translation>die Datei ist leer: Eine Kopfzeile mit den Spaltennamen wird benötigt</translation>
    </message>
    <message>
        <source>header row: %1</source>
        <translation>Kopfzeile: %1</translation>
    </message>
    <message>
        <source>header row: column %1 has no name</source>
        <translation>Kopfzeile: Spalte %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>header row: the column name &quot;%1&quot; appears twice</source>
        <translation>Kopfzeile: Der Spaltenname „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>photo %1: %2 x %3 pixels, more than a photo may have (16 megapixels)</source>
        <translation>Foto %1: %2 x %3 Pixel, mehr als ein Foto haben darf (16 Megapixel)</translation>
    </message>
    <message>
        <source>record %1 (line %2)</source>
        <translation>Datensatz %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <source>%1: not a data source</source>
        <translation>%1: keine Datenquelle</translation>
    </message>
    <message>
        <source>%1: not a database</source>
        <translation>%1: keine Datenbank</translation>
    </message>
    <message>
        <source>in field %1</source>
        <translation>in Feld %1</translation>
    </message>
    <message>
        <source>photo %1: %2 bytes, more than the %3 a photo may have</source>
        <translation>Foto %1: %2 Byte, mehr als die %3, die ein Foto haben darf</translation>
    </message>
    <message>
        <source>photo %1: %2</source>
        <translation>Foto %1: %2</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than a data stream file may have (%3)</source>
        <translation>%1: %2 Byte, mehr als eine Datenstromdatei haben darf (%3)</translation>
    </message>
    <message>
        <source>%1: more than a data stream file may have (%2 bytes)</source>
        <translation>%1: mehr, als eine Datenstromdatei haben darf (%2 Byte)</translation>
    </message>
    <message>
        <source>%1: not a data stream file: it holds no field separators (a data stream is, for each field, its name, the character with code 1, its value and the character with code 2)%2</source>
        <translation>%1: keine Datenstromdatei: Sie enthält keine Feldtrenner (ein Datenstrom besteht für jedes Feld aus seinem Namen, dem Zeichen mit Code 1, seinem Wert und dem Zeichen mit Code 2)%2</translation>
    </message>
    <message>
        <source>; a CSV file is read with --csv FILE --row N</source>
        <translation>; eine CSV-Datei wird mit --csv DATEI --row N gelesen</translation>
    </message>
    <message>
        <source>%1: more than %2 entries; a card has far fewer fields</source>
        <translation>%1: mehr als %2 Einträge; eine Karte hat weit weniger Felder</translation>
    </message>
    <message>
        <source>the file was removed or renamed</source>
        <translation>die Datei wurde entfernt oder umbenannt</translation>
    </message>
    <message>
        <source>the file changed since it was opened</source>
        <translation>die Datei hat sich seit dem Öffnen geändert</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a port number</source>
        <translation>der Port „%1“ ist keine Portnummer</translation>
    </message>
    <message>
        <source>the encoding must be utf-8, windows-1252 or auto</source>
        <translation>die Kodierung muss utf-8, windows-1252 oder auto sein</translation>
    </message>
    <message>
        <source>the delimiter must be , ; or tab</source>
        <translation>das Trennzeichen muss , ; oder tab sein</translation>
    </message>
    <message>
        <source>unknown parameter &quot;%1&quot;</source>
        <translation>unbekannter Parameter „%1“</translation>
    </message>
    <message>
        <source>an address in [ ] is not closed</source>
        <translation>eine Adresse in [ ] ist nicht geschlossen</translation>
    </message>
    <message>
        <source>no database named (postgresql://USER@HOST:PORT/DATABASE?table=TABLE)</source>
        <translation>keine Datenbank angegeben (postgresql://BENUTZER@HOST:PORT/DATENBANK?table=TABELLE)</translation>
    </message>
    <message>
        <source>data source</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <source>no file or URL given</source>
        <translation>keine Datei und keine URL angegeben</translation>
    </message>
    <message>
        <source>a PostgreSQL URL reads postgresql://USER@HOST:PORT/DATABASE?table=TABLE</source>
        <translation>eine PostgreSQL-URL lautet postgresql://BENUTZER@HOST:PORT/DATENBANK?table=TABELLE</translation>
    </message>
    <message>
        <source>no file named after &quot;%1:&quot;</source>
        <translation>keine Datei nach „%1:“ angegeben</translation>
    </message>
    <message>
        <source>a table or a query, not both</source>
        <translation>eine Tabelle oder eine Abfrage, nicht beides</translation>
    </message>
    <message>
        <source> (table %1)</source>
        <translation> (Tabelle %1)</translation>
    </message>
    <message>
        <source> (query)</source>
        <translation> (Abfrage)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>name a table (?table=NAME) or a query (--query &quot;SELECT ...&quot;); it holds %1</source>
        <translation>geben Sie eine Tabelle (?table=NAME) oder eine Abfrage (--query &quot;SELECT ...&quot;) an; sie enthält %1</translation>
    </message>
    <message>
        <source>no tables</source>
        <translation>keine Tabellen</translation>
    </message>
    <message>
        <source>the tables </source>
        <translation>die Tabellen </translation>
    </message>
    <message>
        <source>there is no table &quot;%1&quot;</source>
        <translation>es gibt keine Tabelle „%1“</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>Spalte %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>the column name &quot;%1&quot; appears twice</source>
        <translation>der Spaltenname „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>the query gives no columns</source>
        <translation>die Abfrage liefert keine Spalten</translation>
    </message>
    <message>
        <source>reading record %1 failed: %2</source>
        <translation>das Lesen von Datensatz %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>counting the records failed: %1</source>
        <translation>das Zählen der Datensätze ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the database file was removed or renamed</source>
        <translation>die Datenbankdatei wurde entfernt oder umbenannt</translation>
    </message>
    <message>
        <source>the database changed since it was opened</source>
        <translation>die Datenbank hat sich seit dem Öffnen geändert</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
    <message>
        <source>Qt&apos;s %1 driver is not installed (package %2)</source>
        <translation>Der %1-Treiber von Qt ist nicht installiert (Paket %2)</translation>
    </message>
    <message>
        <source>not a SQLite database: %1</source>
        <translation>keine SQLite-Datenbank: %1</translation>
    </message>
    <message>
        <source>cannot connect: %1</source>
        <translation>keine Verbindung möglich: %1</translation>
    </message>
    <message>
        <source>the query failed: %1</source>
        <translation>die Abfrage ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the query gives no records (a SELECT is needed)</source>
        <translation>die Abfrage liefert keine Datensätze (ein SELECT wird benötigt)</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>die Verbindung wurde unterbrochen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>photo %1: not a readable picture</source>
        <translation>Foto %1: kein lesbares Bild</translation>
    </message>
</context>
<context>
    <name>kyt::DesignClipboard</name>
    <message>
        <source>The clipboard holds no objects this designer can read.</source>
        <translation>Die Zwischenablage enthält keine Objekte, die dieser Designer lesen kann.</translation>
    </message>
    <message>
        <source>The card has a photo already; the copied photo was left out.</source>
        <translation>Die Karte hat bereits ein Foto; das kopierte Foto wurde weggelassen.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
</context>
<context>
    <name>kyt::DesignEditing</name>
    <message>
        <source>Place %1</source>
        <translation>%1 platzieren</translation>
    </message>
    <message>
        <source>%1(%2)  left %3  top %4  width %5  height %6</source>
        <translation>%1(%2)  links %3  oben %4  Breite %5  Höhe %6</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
</context>
<context>
    <name>kyt::DesignerData</name>
    <message>
        <source>there is no record %1 (the source holds %2)</source>
        <translation>es gibt keinen Datensatz %1 (die Quelle enthält %2)</translation>
    </message>
    <message>
        <source>no data source is open</source>
        <translation>keine Datenquelle ist geöffnet</translation>
    </message>
    <message>
        <source>records are numbered from 1</source>
        <translation>Datensätze werden ab 1 gezählt</translation>
    </message>
    <message>
        <source> (query)</source>
        <translation> (Abfrage)</translation>
    </message>
    <message>
        <source>(picture, %1 bytes)</source>
        <translation>(Bild, %1 Bytes)</translation>
    </message>
    <message>
        <source>the data source is still busy with the last request</source>
        <translation>die Datenquelle ist noch mit der letzten Anfrage beschäftigt</translation>
    </message>
    <message>
        <source>Opening the data source...</source>
        <translation>Datenquelle wird geöffnet...</translation>
    </message>
    <message>
        <source>Reading record %1...</source>
        <translation>Datensatz %1 wird gelesen...</translation>
    </message>
    <message>
        <source>Finding &quot;%1&quot;...</source>
        <translation>„%1“ wird gesucht...</translation>
    </message>
    <message>
        <source>Reading the photo...</source>
        <translation>Das Foto wird gelesen...</translation>
    </message>
</context>
<context>
    <name>kyt::DesignerPrinter</name>
    <message>
        <source>an object of the card could not be drawn</source>
        <translation>ein Objekt der Karte konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>, scaled to %1%</source>
        <translation>, skaliert auf %1 %</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; is stopped</source>
        <translation>der Drucker „%1“ ist angehalten</translation>
    </message>
    <message>
        <source>There is no printer to print on: no printer was chosen with Setup and the system has no default printer.</source>
        <translation>Es gibt keinen Drucker: Unter „Einrichten“ wurde keiner gewählt, und das System hat keinen Standarddrucker.</translation>
    </message>
    <message>
        <source>The card was not printed, because it cannot be drawn as designed:
%1</source>
        <translation>Die Karte wurde nicht gedruckt, weil sie nicht wie entworfen gezeichnet werden kann:
%1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: the card waits in its queue until the printer is started again.
Send the card anyway?</source>
        <translation>Der Drucker „%1“ ist angehalten: Die Karte wartet in seiner Warteschlange, bis der Drucker wieder gestartet wird.
Karte trotzdem senden?</translation>
    </message>
    <message>
        <source>Not printed: %1.</source>
        <translation>Nicht gedruckt: %1.</translation>
    </message>
    <message>
        <source>The card was not printed: %1.
Store the printer&apos;s calibration again with &quot;kytpreview printers calibrate %2&quot;.</source>
        <translation>Die Karte wurde nicht gedruckt: %1.
Speichern Sie die Kalibrierung des Druckers erneut mit &quot;kytpreview printers calibrate %2&quot;.</translation>
    </message>
    <message>
        <source>KYTPreview card</source>
        <translation>KYTPreview-Karte</translation>
    </message>
    <message>
        <source>The card could not be drawn on the printer &quot;%1&quot;; the job was ended.</source>
        <translation>Die Karte konnte auf dem Drucker „%1“ nicht gezeichnet werden; der Auftrag wurde beendet.</translation>
    </message>
    <message>
        <source>Nothing was sent to the printer &quot;%1&quot;: the card has nothing to print.</source>
        <translation>An den Drucker „%1“ wurde nichts gesendet: Die Karte enthält nichts zu drucken.</translation>
    </message>
    <message>
        <source>The card could not be printed on &quot;%1&quot;: %2</source>
        <translation>Die Karte konnte nicht auf „%1“ gedruckt werden: %2</translation>
    </message>
    <message>
        <source>The card was sent to the printer &quot;%1&quot; as job %1-%2.</source>
        <translation>Die Karte wurde als Auftrag %1-%2 an den Drucker „%1“ gesendet.</translation>
    </message>
    <message>
        <source> The printer&apos;s calibration moved it %1.</source>
        <translation> Die Kalibrierung des Druckers hat sie um %1 verschoben.</translation>
    </message>
</context>
<context>
    <name>kyt::OutputFile</name>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1: kein Dateiname</translation>
    </message>
    <message>
        <source>%1...: the file name is too long (%2 bytes; at most %3 here)</source>
        <translation>%1...: Der Dateiname ist zu lang (%2 Byte; hier höchstens %3)</translation>
    </message>
    <message>
        <source>%1...: the path is too long (at most %2 bytes)</source>
        <translation>%1...: Der Pfad ist zu lang (höchstens %2 Byte)</translation>
    </message>
    <message>
        <source>%1: the folder does not exist</source>
        <translation>%1: Der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation>%1: ist ein Ordner</translation>
    </message>
    <message>
        <source>%1: is %2, not a regular file; an output only replaces a regular file or makes a new one</source>
        <translation>%1: ist %2, keine reguläre Datei; eine Ausgabe ersetzt nur eine reguläre Datei oder legt eine neue an</translation>
    </message>
</context>
<context>
    <name>kyt::Picture</name>
    <message>
        <source>Unsupported or damaged picture data</source>
        <translation>Nicht unterstützte oder beschädigte Bilddaten</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2 pixels)</source>
        <translation>Das Bild ist zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2 pixels; %3 pixels are left of the budget)</source>
        <translation>Das Bild ist zu groß (%1 x %2 Pixel; vom Kontingent sind noch %3 Pixel übrig)</translation>
    </message>
    <message>
        <source>Invalid picture: </source>
        <translation>Ungültiges Bild: </translation>
    </message>
    <message>
        <source>Not a JPEG file a document can hold as it is</source>
        <translation>Keine JPEG-Datei, die ein Dokument unverändert aufnehmen kann</translation>
    </message>
    <message>
        <source>File not found: </source>
        <translation>Datei nicht gefunden: </translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation>Alle unterstützten Formate</translation>
    </message>
    <message>
        <source>There is no picture to write</source>
        <translation>Es gibt kein Bild zum Schreiben</translation>
    </message>
    <message>
        <source>The picture could not be written</source>
        <translation>Das Bild konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>kyt::Preflight</name>
    <message>
        <source>field &quot;%1&quot;</source>
        <translation>Feld „%1“</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>barcode type %1</source>
        <translation>Barcodetyp %1</translation>
    </message>
    <message>
        <source>%1&quot; or &quot;%2</source>
        <translation>%1&quot; oder &quot;%2</translation>
    </message>
    <message>
        <source>the font of another symbology: its value prints as bars no scanner reads as %1</source>
        <translation>die Schriftart einer anderen Symbologie: Ihr Wert wird als Striche gedruckt, die kein Scanner als %1 liest</translation>
    </message>
    <message>
        <source>not a barcode font: its value prints as letters, not bars</source>
        <translation>keine Barcode-Schriftart: Ihr Wert wird als Buchstaben gedruckt, nicht als Striche</translation>
    </message>
    <message>
        <source>%1 (%2, %3): font &quot;%4&quot; is %5; use &quot;%6&quot;</source>
        <translation>%1 (%2, %3): Die Schriftart &quot;%4&quot; ist %5; verwenden Sie &quot;%6&quot;</translation>
    </message>
    <message>
        <source>%1 (%2): font size %3 pt cannot be drawn (%4)</source>
        <translation>%1 (%2): Schriftgröße %3 pt kann nicht gezeichnet werden (%4)</translation>
    </message>
    <message>
        <source>its box is too small for the symbol: a module would be less than a dot (a larger box or a shorter value fits it)</source>
        <translation>sein Rahmen ist zu klein für das Symbol: Ein Modul wäre kleiner als ein Druckpunkt (ein größerer Rahmen oder ein kürzerer Wert passt)</translation>
    </message>
    <message>
        <source>at its fixed module size the symbol is %1&quot; x %2&quot;, its box %3&quot; x %4&quot;; it prints over what lies beside it</source>
        <translation>bei seiner festen Modulgröße misst das Symbol %1&quot; x %2&quot;, sein Rahmen %3&quot; x %4&quot;; es überdruckt, was daneben liegt</translation>
    </message>
    <message>
        <source>%1 (%2, %3 at %4 pt): the %5 is %6&quot; wide, its box %7&quot;; it prints over what lies beside it (a smaller font size or a wider box fits it)</source>
        <translation>%1 (%2, %3 bei %4 pt): %5 ist %6&quot; breit, der Rahmen %7&quot;; es überdruckt, was daneben liegt (eine kleinere Schriftgröße oder ein breiterer Rahmen passt)</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>... and %1 more like these</source>
        <translation>... und %1 weitere dieser Art</translation>
    </message>
    <message>
        <source>... and %1 more warnings like these</source>
        <translation>... und %1 weitere Warnungen dieser Art</translation>
    </message>
    <message>
        <source>... (%1 in all)</source>
        <translation>... (insgesamt %1)</translation>
    </message>
    <message>
        <source>%1 lacks the field the template uses: %2 (it has: %3)</source>
        <translation>%1 fehlt das Feld, das die Vorlage verwendet: %2 (vorhanden: %3)</translation>
    </message>
    <message>
        <source>%1 lacks the fields the template uses: %2 (it has: %3)</source>
        <translation>%1 fehlen die Felder, die die Vorlage verwendet: %2 (vorhanden: %3)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: the value &quot;%2&quot; cannot be drawn as a barcode: %3</source>
        <translation>%1: Der Wert „%2“ kann nicht als Barcode gezeichnet werden: %3</translation>
    </message>
    <message>
        <source>%1 (%2) at %3, %4 sized %5 x %6 in lies outside the %7 x %8 in card</source>
        <translation>%1 (%2) bei %3, %4 mit %5 x %6 in liegt außerhalb der Karte von %7 x %8 in</translation>
    </message>
    <message>
        <source>font &quot;%1&quot; (used by %2) is not installed</source>
        <translation>die Schriftart &quot;%1&quot; (verwendet von %2) ist nicht installiert</translation>
    </message>
    <message>
        <source>no text objects</source>
        <translation>keine Textobjekte</translation>
    </message>
    <message>
        <source>installed: %1</source>
        <translation>installiert: %1</translation>
    </message>
    <message>
        <source>logo %1 has no picture</source>
        <translation>Logo %1 hat kein Bild</translation>
    </message>
    <message>
        <source>%1: the card could not be drawn: %2%3</source>
        <translation>%1: Die Karte konnte nicht gezeichnet werden: %2%3</translation>
    </message>
    <message>
        <source> (--csv or --data give it its field values)</source>
        <translation> (--csv oder --data liefern ihre Feldwerte)</translation>
    </message>
    <message>
        <source>%1: barcode %2 cannot be read (it should carry &quot;%3&quot;)</source>
        <translation>%1: Barcode %2 kann nicht gelesen werden (er sollte &quot;%3&quot; enthalten)</translation>
    </message>
    <message>
        <source>%1: barcode %2 reads &quot;%3&quot; where &quot;%4&quot; is expected</source>
        <translation>%1: Barcode %2 liest sich als &quot;%3&quot;, erwartet wird &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1 used, all provided</source>
        <translation>%1 verwendet, alle vorhanden</translation>
    </message>
    <message>
        <source>%1 used, all among the source&apos;s %2</source>
        <translation>%1 verwendet, alle unter den %2 der Quelle</translation>
    </message>
    <message>
        <source>columns the template does not use: %1%2</source>
        <translation>Spalten, die die Vorlage nicht verwendet: %1%2</translation>
    </message>
    <message>
        <source>, ... (%1 in all)</source>
        <translation>, ... (insgesamt %1)</translation>
    </message>
    <message>
        <source>%1: not a readable file</source>
        <translation>%1: keine lesbare Datei</translation>
    </message>
    <message>
        <source>only the first %1 of the %2 were checked</source>
        <translation>nur die ersten %1 von %2 wurden geprüft</translation>
    </message>
    <message>
        <source>%1 holds no records to print</source>
        <translation>%1 enthält keine Datensätze zum Drucken</translation>
    </message>
    <message>
        <source>%1, none empty or damaged</source>
        <translation>%1, keiner leer oder beschädigt</translation>
    </message>
    <message>
        <source>%1, %2 empty (skipped when printing), none damaged</source>
        <translation>%1, %2 leer (beim Drucken übersprungen), keiner beschädigt</translation>
    </message>
    <message>
        <source>the template uses no fields</source>
        <translation>die Vorlage verwendet keine Felder</translation>
    </message>
    <message>
        <source>the template uses %1 (no data given to compare)</source>
        <translation>die Vorlage verwendet %1 (keine Daten zum Vergleich angegeben)</translation>
    </message>
    <message>
        <source>the card without data</source>
        <translation>die Karte ohne Daten</translation>
    </message>
    <message>
        <source>%1 on the card, every text and barcode within its box%2</source>
        <translation>%1 auf der Karte, jeder Text und Barcode innerhalb seines Rahmens%2</translation>
    </message>
    <message>
        <source>the one object lies</source>
        <translation>das eine Objekt liegt</translation>
    </message>
    <message>
        <source>all %1 objects lie</source>
        <translation>alle %1 Objekte liegen</translation>
    </message>
    <message>
        <source> (data fields are measured with their values: --csv or --data)</source>
        <translation> (Datenfelder werden mit ihren Werten gemessen: --csv oder --data)</translation>
    </message>
    <message>
        <source>every value can be drawn</source>
        <translation>jeder Wert kann gezeichnet werden</translation>
    </message>
    <message>
        <source>all present</source>
        <translation>alle vorhanden</translation>
    </message>
    <message>
        <source>no card was rendered, so no barcode was read back</source>
        <translation>es wurde keine Karte gezeichnet, daher wurde kein Barcode zurückgelesen</translation>
    </message>
    <message>
        <source>%1 rendered at %2 dpi, %3 read back as expected%4</source>
        <translation>%1 mit %2 dpi gezeichnet, %3 wie erwartet zurückgelesen%4</translation>
    </message>
    <message>
        <source> (without data: data fields show their field names, as render draws them%1)</source>
        <translation> (ohne Daten: Datenfelder zeigen ihre Feldnamen, wie render sie zeichnet%1)</translation>
    </message>
    <message>
        <source>; %1 of field names their symbology cannot carry not read</source>
        <translation>; %1 mit Feldnamen, die ihre Symbologie nicht tragen kann, nicht gelesen</translation>
    </message>
</context>
<context>
    <name>kyt::PreflightPanel</name>
    <message>
        <source>the card could not be written for checking: %1</source>
        <translation>die Karte konnte zum Prüfen nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Preflight</source>
        <translation>Druckprüfung</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Render every card and read its barcodes back</source>
        <translation>Jede Karte zeichnen und ihre Barcodes zurücklesen</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>&amp;Verify Cards...</source>
        <translation>Karten &amp;prüfen...</translation>
    </message>
    <message>
        <source>Pre&amp;flight Panel</source>
        <translation>Druckp&amp;rüfung</translation>
    </message>
    <message>
        <source>No barcode reader is available in this program</source>
        <translation>In diesem Programm ist kein Barcodeleser verfügbar</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Prüfung läuft...</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>%1 found.</source>
        <translation>%1 gefunden.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Probleme</translation>
    </message>
    <message>
        <source>Rendering the cards and reading their barcodes...</source>
        <translation>Die Karten werden gezeichnet und ihre Barcodes gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Verify cancelled.</source>
        <translation>Prüfung abgebrochen.</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Prüfung läuft...</translation>
    </message>
</context>
<context>
    <name>kyt::Preview</name>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>kyt::PrintRecordsDialog</name>
    <message>
        <source>Print Records</source>
        <translation>Datensätze drucken</translation>
    </message>
    <message>
        <source>Printing was cancelled: nothing was output.</source>
        <translation>Der Druck wurde abgebrochen: Es wurde nichts ausgegeben.</translation>
    </message>
    <message>
        <source>Nothing was output: %1</source>
        <translation>Es wurde nichts ausgegeben: %1</translation>
    </message>
    <message>
        <source>%1 printed.</source>
        <translation>%1 gedruckt.</translation>
    </message>
    <message>
        <source>
%1 skipped:</source>
        <translation>
%1 übersprungen:</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <translation>Datensätze aus %1</translation>
    </message>
    <message>
        <source>&amp;All %1 records</source>
        <translation>A&amp;lle %1 Datensätze</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>C&amp;urrent record (%1)</source>
        <translation>A&amp;ktueller Datensatz (%1)</translation>
    </message>
    <message>
        <source>&amp;Marked records:</source>
        <translation>&amp;Markierte Datensätze:</translation>
    </message>
    <message>
        <source>Print on</source>
        <translation>Drucken auf</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Print Records to File</source>
        <translation>Datensätze in Datei drucken</translation>
    </message>
    <message>
        <source>Calibration damaged: %1</source>
        <translation>Kalibrierung beschädigt: %1</translation>
    </message>
    <message>
        <source>Calibrated: printed %1 from where the card shows.</source>
        <translation>Kalibriert: wird %1 gegenüber der Anzeige versetzt gedruckt.</translation>
    </message>
    <message>
        <source>Not calibrated.</source>
        <translation>Nicht kalibriert.</translation>
    </message>
    <message>
        <source>no record is marked</source>
        <translation>kein Datensatz ist markiert</translation>
    </message>
    <message>
        <source>there is no printer to print on</source>
        <translation>es gibt keinen Drucker</translation>
    </message>
    <message>
        <source>Printing records...</source>
        <translation>Datensätze werden gedruckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>Datensatz %1: %2</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>no record could be printed</source>
        <translation>kein Datensatz konnte gedruckt werden</translation>
    </message>
    <message>
        <source>%1 printed: %2 written, the first %3.</source>
        <translation>%1 gedruckt: %2 geschrieben, das erste %3.</translation>
    </message>
    <message>
        <source>&amp;Records:</source>
        <translation>&amp;Datensätze:</translation>
    </message>
    <message>
        <source>e.g. 1,3,7-9</source>
        <translation>z. B. 1,3,7-9</translation>
    </message>
    <message>
        <source>Record numbers and ranges, separated by commas: 1,3,7-9 (7- goes to the last)</source>
        <translation>Datensatznummern und Bereiche, durch Kommas getrennt: 1,3,7-9 (7- geht bis zum letzten)</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Dat&amp;ei:</translation>
    </message>
    <message>
        <source>cards.pdf, or cards.png for a picture per card side</source>
        <translation>karten.pdf, oder karten.png für ein Bild je Kartenseite</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source>Resolution of PNG pictures</source>
        <translation>Auflösung der PNG-Bilder</translation>
    </message>
    <message>
        <source>PNG r&amp;esolution:</source>
        <translation>PNG-Au&amp;flösung:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a record or a range of records (records are numbered from 1; write them as 1,3,7-9)</source>
        <translation>&quot;%1&quot; ist kein Datensatz und kein Bereich von Datensätzen (Datensätze werden ab 1 gezählt; schreiben Sie sie als 1,3,7-9)</translation>
    </message>
    <message>
        <source>give the records to print, e.g. 1,3,7-9</source>
        <translation>geben Sie die zu druckenden Datensätze an, z. B. 1,3,7-9</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)|*.pdf|PNG Pictures, one per card side (*.png)|*.png</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf|PNG-Bilder, eines je Kartenseite (*.png)|*.png</translation>
    </message>
    <message>
        <source>open a source of records in the Data panel first</source>
        <translation>öffnen Sie zuerst eine Datenquelle im Datenbereich</translation>
    </message>
    <message>
        <source>there is no record to print</source>
        <translation>es gibt keinen Datensatz zum Drucken</translation>
    </message>
    <message>
        <source>choose the file to print into (.pdf, or .png for pictures)</source>
        <translation>wählen Sie die Datei, in die gedruckt wird (.pdf, oder .png für Bilder)</translation>
    </message>
    <message>
        <source>%1: the folder cannot be written</source>
        <translation>%1: in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: the picture could not be written</source>
        <translation>%1: das Bild konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: the picture could not be put in place</source>
        <translation>%1: das Bild konnte nicht an seinen Platz gebracht werden</translation>
    </message>
    <message>
        <source>Reading the records...</source>
        <translation>Die Datensätze werden gelesen...</translation>
    </message>
    <message>
        <source>C&amp;opies of each:</source>
        <translation>Ko&amp;pien je Datensatz:</translation>
    </message>
    <message>
        <source>Prin&amp;ter:</source>
        <translation>D&amp;rucker:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>kyt::PrinterCalibration</name>
    <message>
        <source>the settings store is read-only</source>
        <translation>der Einstellungsspeicher ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the settings store refused the value (error %1)</source>
        <translation>der Einstellungsspeicher hat den Wert abgelehnt (Fehler %1)</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: %2</source>
        <translation>der Einstellungsspeicher %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>offsets must be numbers from -%1 to %1 inches</source>
        <translation>Versätze müssen Zahlen von -%1 bis %1 Zoll sein</translation>
    </message>
    <message>
        <source>the scale must be a number from %1 to %2</source>
        <translation>der Maßstab muss eine Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>the calibration of printer %1 is damaged: %2 is &quot;%3&quot;</source>
        <translation>die Kalibrierung von Drucker %1 ist beschädigt: %2 ist &quot;%3&quot;</translation>
    </message>
    <message>
        <source>the calibration of printer %1 is damaged: %2</source>
        <translation>die Kalibrierung von Drucker %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a printer name</source>
        <translation>&quot;%1&quot; ist kein Druckername</translation>
    </message>
    <message>
        <source>the settings store is read-only or the key holds more</source>
        <translation>der Einstellungsspeicher ist schreibgeschützt oder der Schlüssel enthält mehr</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an offset: give X,Y in inches or with mm (e.g. 0.02,-0.01 or 0.5mm,-0.3mm)</source>
        <translation>&quot;%1&quot; ist kein Versatz: Geben Sie X,Y in Zoll oder mit mm an (z. B. 0.02,-0.01 oder 0.5mm,-0.3mm)</translation>
    </message>
</context>
<context>
    <name>kyt::PrinterSurface</name>
    <message>
        <source>%1 lacks functions this library uses</source>
        <translation>%1 fehlen Funktionen, die diese Bibliothek verwendet</translation>
    </message>
    <message>
        <source>Printer error: CUPS cannot be loaded: %1</source>
        <translation>Druckerfehler: CUPS kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Printer error: </source>
        <translation>Druckerfehler: </translation>
    </message>
    <message>
        <source>no output file given</source>
        <translation>keine Ausgabedatei angegeben</translation>
    </message>
    <message>
        <source>no printer given</source>
        <translation>kein Drucker angegeben</translation>
    </message>
    <message>
        <source>cannot print on &quot;%1&quot;: %2</source>
        <translation>auf &quot;%1&quot; kann nicht gedruckt werden: %2</translation>
    </message>
    <message>
        <source>there is no printer named &quot;%1&quot;</source>
        <translation>es gibt keinen Drucker namens &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the document &quot;%1&quot; has already ended</source>
        <translation>das Dokument &quot;%1&quot; ist bereits abgeschlossen</translation>
    </message>
    <message>
        <source>the document &quot;%1&quot; is put together and can only be ended</source>
        <translation>das Dokument &quot;%1&quot; ist zusammengestellt und kann nur noch abgeschlossen werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot start a job on &quot;%1&quot;: %2</source>
        <translation>auf &quot;%1&quot; kann kein Auftrag gestartet werden: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot start a job on &quot;%1&quot;</source>
        <translation>auf &quot;%1&quot; kann kein Auftrag gestartet werden</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>es kann keine neue Seite begonnen werden</translation>
    </message>
    <message>
        <source>cannot write a part of the document</source>
        <translation>ein Teil des Dokuments kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot spool the job: %1</source>
        <translation>der Auftrag kann nicht gespoolt werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused the job: %2</source>
        <translation>&quot;%1&quot; hat den Auftrag abgelehnt: %2</translation>
    </message>
    <message>
        <source>CUPS cannot be loaded: %1</source>
        <translation>CUPS kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>the CUPS scheduler at %1 cannot be reached (%2)</source>
        <translation>der CUPS-Dienst unter %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>the state of job %1 cannot be read: %2</source>
        <translation>der Zustand von Auftrag %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>job %1 was cancelled%2</source>
        <translation>Auftrag %1 wurde abgebrochen%2</translation>
    </message>
    <message>
        <source>job %1 was aborted%2</source>
        <translation>Auftrag %1 wurde verworfen%2</translation>
    </message>
    <message>
        <source>job %1 stopped%2</source>
        <translation>Auftrag %1 wurde angehalten%2</translation>
    </message>
    <message>
        <source>job %1 is held%2; it prints once released (lp -i %3-%1 -H resume)</source>
        <translation>Auftrag %1 wird zurückgehalten%2; er wird gedruckt, sobald er freigegeben ist (lp -i %3-%1 -H resume)</translation>
    </message>
    <message>
        <source>job %1 is waiting: printer %2 is stopped%3</source>
        <translation>Auftrag %1 wartet: Drucker %2 ist angehalten%3</translation>
    </message>
    <message>
        <source>Printer error: cannot start a job on &quot;%1&quot;</source>
        <translation>Druckerfehler: Auf &quot;%1&quot; kann kein Auftrag gestartet werden</translation>
    </message>
    <message>
        <source>Printer error: cannot start a new page</source>
        <translation>Druckerfehler: Es kann keine neue Seite begonnen werden</translation>
    </message>
    <message>
        <source>Printer error: the job on &quot;%1&quot; could not be finished</source>
        <translation>Druckerfehler: Der Auftrag auf &quot;%1&quot; konnte nicht abgeschlossen werden</translation>
    </message>
</context>
<context>
    <name>kyt::PropertiesPanel</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Links:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Oben:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>H&amp;öhe:</translation>
    </message>
    <message>
        <source>To &amp;Front</source>
        <translation>Nach &amp;vorn</translation>
    </message>
    <message>
        <source>To bac&amp;k</source>
        <translation>Nach hin&amp;ten</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Reihenfolge:</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Position und Größe</translation>
    </message>
    <message>
        <source>Fo&amp;nt:</source>
        <translation>Schri&amp;ft:</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Bol&amp;d</source>
        <translation>F&amp;ett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>K&amp;ursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>U&amp;nterstrichen</translation>
    </message>
    <message>
        <source>Strike&amp;out</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>&amp;Alignment:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
    <message>
        <source>&amp;Size font to fit</source>
        <translation>Schrift an&amp;passen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Size Font To Fit</source>
        <translation>Schrift anpassen</translation>
    </message>
    <message>
        <source>Fore&amp;ground...</source>
        <translation>Vo&amp;rdergrund...</translation>
    </message>
    <message>
        <source>Ba&amp;ckground...</source>
        <translation>&amp;Hintergrund...</translation>
    </message>
    <message>
        <source>T&amp;ransparent</source>
        <translation>Tran&amp;sparent</translation>
    </message>
    <message>
        <source>Bord&amp;er</source>
        <translation>Rah&amp;men</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Print as &amp;barcode</source>
        <translation>Als Bar&amp;code drucken</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>T&amp;yp:</translation>
    </message>
    <message>
        <source>&amp;More barcode settings...</source>
        <translation>&amp;Weitere Barcode-Einstellungen...</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Barcode Type</source>
        <translation>Barcodetyp</translation>
    </message>
    <message>
        <source>Load &amp;Picture...</source>
        <translation>B&amp;ild laden...</translation>
    </message>
    <message>
        <source>Stretch to fill the bo&amp;x</source>
        <translation>Strecken, bis der &amp;Kasten gefüllt ist</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>&amp;View fields...</source>
        <translation>Felder an&amp;zeigen...</translation>
    </message>
    <message>
        <source>Data field</source>
        <translation>Datenfeld</translation>
    </message>
    <message>
        <source>No object selected.</source>
        <translation>Kein Objekt ausgewählt.</translation>
    </message>
    <message>
        <source>%1 selected; the values shown are %2(%3)&apos;s.</source>
        <translation>%1 ausgewählt; angezeigt werden die Werte von %2(%3).</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Foreground Color</source>
        <translation>Vordergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;Just shrink, never grow</source>
        <translation>&amp;Nur verkleinern, nie vergrößern</translation>
    </message>
    <message>
        <source>With Size Font To Fit: the set size stays unless the text is too wide</source>
        <translation>Mit Schrift an Größe anpassen: die eingestellte Größe bleibt, außer der Text ist zu breit</translation>
    </message>
    <message>
        <source>Shrink Only</source>
        <translation>Nur verkleinern</translation>
    </message>
</context>
<context>
    <name>kyt::QtCommonDialog</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>KYTPreview Help</source>
        <translation>KYTPreview-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Type the word(s) to find:</source>
        <translation>&amp;Gesuchte Wörter eingeben:</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Nothing was found for &quot;%1&quot;.</source>
        <translation>Für „%1“ wurde nichts gefunden.</translation>
    </message>
</context>
<context>
    <name>kyt::RegistryStore</name>
    <message>
        <source>The settings file &quot;%1&quot; cannot be used (%2); settings are kept in memory for this session and defaults apply.</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht verwendet werden (%2); die Einstellungen werden für diese Sitzung im Speicher gehalten, und es gelten die Standardwerte.</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it cannot be read: </source>
        <translation>sie kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>it is not a settings database or it is damaged</source>
        <translation>sie ist keine Einstellungsdatenbank oder sie ist beschädigt</translation>
    </message>
    <message>
        <source>it is read-only for this user: %1</source>
        <translation>sie ist für diesen Benutzer schreibgeschützt: %1</translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation>sie ist eine Datenbank eines anderen Programms</translation>
    </message>
    <message>
        <source>it is damaged: </source>
        <translation>sie ist beschädigt: </translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged or cannot be read (%2); settings are kept in memory for this session and defaults apply.</source>
        <translation>Die Einstellungsdatei „%1“ ist beschädigt oder kann nicht gelesen werden (%2); die Einstellungen werden für diese Sitzung im Speicher gehalten, und es gelten die Standardwerte.</translation>
    </message>
</context>
<context>
    <name>kyt::Surface</name>
    <message>
        <source>Out of memory (picture box of %1 x %2 pixels)</source>
        <translation>Nicht genügend Speicher (Bildfeld mit %1 x %2 Pixeln)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Invalid property value (%1)</source>
        <translation>Ungültiger Eigenschaftswert (%1)</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
</context>
<context>
    <name>kyt::TargetApplication</name>
    <message>
        <source>The target application &quot;%1&quot; failed</source>
        <translation>Die Zielanwendung „%1“ ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot create object: </source>
        <translation>Objekt kann nicht erstellt werden: </translation>
    </message>
    <message>
        <source>No ProgId given</source>
        <translation>Keine ProgId angegeben</translation>
    </message>
    <message>
        <source>No target application is registered for &quot;%1&quot;</source>
        <translation>Für „%1“ ist keine Zielanwendung registriert</translation>
    </message>
    <message>
        <source>The factory for &quot;%1&quot; made no object</source>
        <translation>Die Fabrik für „%1“ hat kein Objekt erzeugt</translation>
    </message>
    <message>
        <source>The plugin &quot;%1&quot; does not load: %2</source>
        <translation>Das Plugin „%1“ lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>The plugin &quot;%1&quot; does not serve target applications</source>
        <translation>Das Plugin „%1“ bedient keine Zielanwendungen</translation>
    </message>
    <message>
        <source>The plugin &quot;%1&quot; made no object for &quot;%2&quot;</source>
        <translation>Das Plugin „%1“ hat kein Objekt für „%2“ erzeugt</translation>
    </message>
</context>
<context>
    <name>kyt::TemplateFile</name>
    <message>
        <source> (object record of type &quot;%1&quot; at byte %2)</source>
        <translation> (Objektdatensatz vom Typ &quot;%1&quot; bei Byte %2)</translation>
    </message>
    <message>
        <source>Path/File access error: %1: %2</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1: %2</translation>
    </message>
    <message>
        <source>Out of memory: picture %1 (record at byte %2): the pictures of one template may have %3 pixels in all: %4</source>
        <translation>Nicht genügend Speicher: Bild %1 (Datensatz bei Byte %2): Die Bilder einer Vorlage dürfen insgesamt %3 Pixel haben: %4</translation>
    </message>
    <message>
        <source>Invalid picture: picture %1 (record at byte %2): %3</source>
        <translation>Ungültiges Bild: Bild %1 (Datensatz bei Byte %2): %3</translation>
    </message>
    <message>
        <source>Invalid picture: the logo %1 has no picture to save</source>
        <translation>Ungültiges Bild: Das Logo %1 hat kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>Out of memory: the pictures hold %1 pixels, more than the %2 a template may have in all; nothing was written</source>
        <translation>Nicht genügend Speicher: Die Bilder enthalten %1 Pixel, mehr als die %2, die eine Vorlage insgesamt haben darf; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>Invalid picture: picture %1 cannot be saved as a bitmap</source>
        <translation>Ungültiges Bild: Bild %1 kann nicht als Bitmap gespeichert werden</translation>
    </message>
    <message>
        <source>Out of memory: with picture %1 the file would exceed the %2 bytes a template file may have; nothing was written</source>
        <translation>Nicht genügend Speicher: Mit Bild %1 würde die Datei die %2 Byte überschreiten, die eine Vorlagendatei haben darf; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a folder</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist ein Ordner</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Out of memory: %1 is %2 bytes; at most %3 bytes are read</source>
        <translation>Nicht genügend Speicher: %1 hat %2 Byte; höchstens %3 Byte werden gelesen</translation>
    </message>
    <message>
        <source>Out of memory: %1 is larger than %2 bytes</source>
        <translation>Nicht genügend Speicher: %1 ist größer als %2 Byte</translation>
    </message>
    <message>
        <source>Path/File access error: no file name</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: kein Dateiname</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1</translation>
    </message>
    <message>
        <source>Invalid file format: </source>
        <translation>Ungültiges Dateiformat: </translation>
    </message>
    <message>
        <source>field %1 (%2) of the template record is not a number: &quot;%3&quot;</source>
        <translation>Feld %1 (%2) des Vorlagendatensatzes ist keine Zahl: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>field %1 (%2) of the template record is out of range: %3</source>
        <translation>Feld %1 (%2) des Vorlagendatensatzes liegt außerhalb des gültigen Bereichs: %3</translation>
    </message>
    <message>
        <source>Invalid file format: a record of %1 bytes does not fit a length field</source>
        <translation>Ungültiges Dateiformat: Ein Datensatz von %1 Byte passt in kein Längenfeld</translation>
    </message>
    <message>
        <source>Input past end of file: the file ends inside the %1 at byte %2 (%3 bytes needed, %4 left)</source>
        <translation>Lesen über das Dateiende hinaus: Die Datei endet innerhalb von %1 bei Byte %2 (%3 Byte benötigt, %4 übrig)</translation>
    </message>
    <message>
        <source>negative length %1 for the %2 at byte %3</source>
        <translation>negative Länge %1 für %2 bei Byte %3</translation>
    </message>
    <message>
        <source>Input past end of file: the %1 at byte %2 claims %3 bytes, only %4 left</source>
        <translation>Lesen über das Dateiende hinaus: %1 bei Byte %2 beansprucht %3 Byte, nur %4 übrig</translation>
    </message>
    <message>
        <source>header word</source>
        <translation>Kopfwort</translation>
    </message>
    <message>
        <source>template record length</source>
        <translation>Länge des Vorlagendatensatzes</translation>
    </message>
    <message>
        <source>template record</source>
        <translation>Vorlagendatensatz</translation>
    </message>
    <message>
        <source>object type field</source>
        <translation>Objekttypfeld</translation>
    </message>
    <message>
        <source>object record</source>
        <translation>Objektdatensatz</translation>
    </message>
    <message>
        <source>picture type field</source>
        <translation>Bildtypfeld</translation>
    </message>
    <message>
        <source>picture record</source>
        <translation>Bilddatensatz</translation>
    </message>
    <message>
        <source>the picture record at byte %1 has no picture number (&quot;%2&quot;)</source>
        <translation>der Bilddatensatz bei Byte %1 hat keine Bildnummer (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>picture data</source>
        <translation>Bilddaten</translation>
    </message>
</context>
<context>
    <name>kyt::WorkerThread</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>cancelled by the user</source>
        <translation>vom Benutzer abgebrochen</translation>
    </message>
</context>
<context>
    <name>kyt::cli</name>
    <message>
        <source>Exit status 0 on success, 1 on failure, 2 for wrong arguments.</source>
        <translation>Rückgabewert 0 bei Erfolg, 1 bei einem Fehler, 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>read the CSV file as utf-8 or windows-1252 (default: auto,
UTF-8 when the whole file is valid UTF-8)</source>
        <translation>die CSV-Datei als utf-8 oder windows-1252 lesen (Standard: auto,
UTF-8, wenn die ganze Datei gültiges UTF-8 ist)</translation>
    </message>
    <message>
        <source>split the CSV fields at , ; or tab (default: the one the
header row holds most)</source>
        <translation>die CSV-Felder bei , ; oder tab trennen (Standard: das
Zeichen, das in der Kopfzeile am häufigsten vorkommt)</translation>
    </message>
    <message>
        <source>move the card by X,Y inches (or 0.5mm,-0.3mm) for this job,
instead of the queue&apos;s stored calibration offsets</source>
        <translation>die Karte für diesen Auftrag um X,Y Zoll (oder 0.5mm,-0.3mm)
verschieben, statt um die gespeicherten Versätze der Warteschlange</translation>
    </message>
    <message>
        <source>the input tray (IPP media-source, e.g. tray-1)</source>
        <translation>das Papierfach (IPP media-source, z. B. tray-1)</translation>
    </message>
    <message>
        <source>any further job attribute or CUPS option, as lp -o takes it
(repeatable; it wins over the card&apos;s own settings)</source>
        <translation>jedes weitere Auftragsattribut oder jede CUPS-Option, wie lp -o
sie nimmt (wiederholbar; hat Vorrang vor den Einstellungen der Karte)</translation>
    </message>
    <message>
        <source>the records from another source: csv:FILE, data:FILE (a data
stream file, one record), sqlite:FILE?table=NAME,
postgresql://USER@HOST:PORT/DB?table=NAME (HOST may be a
socket folder, percent-encoded); the password comes from
PGPASSWORD or ~/.pgpass. A photo column may hold the
picture&apos;s bytes (BLOB, BYTEA) instead of a file name</source>
        <translation>die Datensätze aus einer anderen Quelle: csv:DATEI, data:DATEI
(eine Datenstromdatei, ein Datensatz), sqlite:DATEI?table=NAME,
postgresql://BENUTZER@HOST:PORT/DB?table=NAME (HOST kann ein
Socket-Ordner sein, prozentkodiert); das Passwort kommt aus
PGPASSWORD oder ~/.pgpass. Eine Fotospalte kann statt eines
Dateinamens die Bytes des Bildes enthalten (BLOB, BYTEA)</translation>
    </message>
    <message>
        <source>with a database source: the records of this SELECT</source>
        <translation>bei einer Datenbankquelle: die Datensätze dieses SELECT</translation>
    </message>
    <message>
        <source>go on even when the data lacks fields the template uses
(else they are listed and nothing is printed)</source>
        <translation>auch dann fortfahren, wenn den Daten Felder der Vorlage fehlen
(sonst werden sie aufgelistet und nichts wird gedruckt)</translation>
    </message>
    <message>
        <source>save the window as a PNG once it is drawn, then exit</source>
        <translation>das Fenster als PNG speichern, sobald es gezeichnet ist, dann beenden</translation>
    </message>
    <message>
        <source>use this settings store instead of $KYT_REGISTRY or
$XDG_CONFIG_HOME/kyt/registry.db</source>
        <translation>diesen Einstellungsspeicher statt $KYT_REGISTRY oder
$XDG_CONFIG_HOME/kyt/registry.db verwenden</translation>
    </message>
    <message>
        <source>draw one card to a PNG or PDF file</source>
        <translation>eine Karte in eine PNG- oder PDF-Datei zeichnen</translation>
    </message>
    <message>
        <source>Draws one card of the template file TEMPLATE at its true size: a PNG picture
(a two-sided card shows its front above its back, as the preview does) or a
PDF the size of the card, the back on page 2.</source>
        <translation>Zeichnet eine Karte der Vorlagendatei TEMPLATE in ihrer wahren Größe: ein
PNG-Bild (eine zweiseitige Karte zeigt ihre Vorderseite über ihrer Rückseite,
wie die Vorschau) oder ein PDF in Kartengröße, die Rückseite auf Seite 2.</translation>
    </message>
    <message>
        <source>the output file: OUT.png (a picture at --dpi) or OUT.pdf</source>
        <translation>die Ausgabedatei: OUT.png (ein Bild mit --dpi) oder OUT.pdf</translation>
    </message>
    <message>
        <source>every drawing call as one JSON object per line on standard
output (together with -o the card is also written)</source>
        <translation>jeden Zeichenaufruf als ein JSON-Objekt pro Zeile auf der
Standardausgabe (zusammen mit -o wird die Karte auch geschrieben)</translation>
    </message>
    <message>
        <source>resolution (default 300): 72..2400 for PDF; for PNG 1..4800
as far as the picture fits a picture&apos;s memory (the message
names the largest that fits)</source>
        <translation>Auflösung (Standard 300): 72..2400 für PDF; für PNG 1..4800,
soweit das Bild in den Speicher eines Bildes passt (die Meldung
nennt die größte, die passt)</translation>
    </message>
    <message>
        <source>the field values as a data stream file: entries of name,
code 1, value, code 2; UTF-8 when the file is valid UTF-8
(or starts with a byte order mark), else Windows-1252</source>
        <translation>die Feldwerte als Datenstromdatei: Einträge aus Name,
Code 1, Wert, Code 2; UTF-8, wenn die Datei gültiges UTF-8 ist
(oder mit einer Bytereihenfolge-Markierung beginnt), sonst Windows-1252</translation>
    </message>
    <message>
        <source>the field values of record --row of a CSV file (see
kytpreview batch --help)</source>
        <translation>die Feldwerte von Datensatz --row einer CSV-Datei (siehe
kytpreview batch --help)</translation>
    </message>
    <message>
        <source>Without data, data fields show their field names. With data, every field the
template uses (data fields, parse-string references, photo image names) must
be given, else nothing is drawn and the missing names are listed. A field
named like a photo object&apos;s ImageName holds a picture file, relative to the
data file&apos;s folder. A value a barcode object cannot encode fails the card,
naming the field, the value and the reason.
The output is written only when the whole card was drawn; an existing file
is replaced then.</source>
        <translation>Ohne Daten zeigen Datenfelder ihre Feldnamen. Mit Daten muss jedes Feld,
das die Vorlage verwendet (Datenfelder, Verweise in Verkettungstexten,
Bildnamen von Fotos), angegeben sein, sonst wird nichts gezeichnet und die
fehlenden Namen werden aufgelistet. Ein Feld, das wie der ImageName eines
Fotoobjekts heißt, enthält eine Bilddatei, relativ zum Ordner der Datendatei.
Ein Wert, den ein Barcodeobjekt nicht codieren kann, lässt die Karte
scheitern; Feld, Wert und Grund werden genannt.
Die Ausgabe wird nur geschrieben, wenn die ganze Karte gezeichnet wurde;
eine vorhandene Datei wird dann ersetzt.</translation>
    </message>
    <message>
        <source>Exit status 0 on success, 1 when the card could not be made (the reason goes
to standard error), 2 for wrong arguments.</source>
        <translation>Rückgabewert 0 bei Erfolg, 1, wenn die Karte nicht erstellt werden konnte
(der Grund steht auf der Standardfehlerausgabe), 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>print one card on a CUPS queue</source>
        <translation>eine Karte auf einer CUPS-Warteschlange drucken</translation>
    </message>
    <message>
        <source>Prints one card of the template file TEMPLATE as one job on a CUPS queue:
one page per card side (front, then back), sent as PDF with the card&apos;s
settings as job attributes: sides (a two-sided card prints on both sides
of one card), print-quality, orientation-requested, copies and media (the
card&apos;s size). The queue&apos;s calibration (kytpreview printers) moves the card.
Prints &quot;job QUEUE-ID: ...&quot; with the CUPS job id.</source>
        <translation>Druckt eine Karte der Vorlagendatei TEMPLATE als einen Auftrag auf einer
CUPS-Warteschlange: eine Seite je Kartenseite (Vorderseite, dann Rückseite),
als PDF gesendet, mit den Einstellungen der Karte als Auftragsattributen:
sides (eine zweiseitige Karte wird auf beide Seiten einer Karte gedruckt),
print-quality, orientation-requested, copies und media (die Kartengröße).
Die Kalibrierung der Warteschlange (kytpreview printers) verschiebt die Karte.
Gibt &quot;job QUEUE-ID: ...&quot; mit der CUPS-Auftragsnummer aus.</translation>
    </message>
    <message>
        <source>the field values as a data stream file (see render --help)</source>
        <translation>die Feldwerte als Datenstromdatei (siehe render --help)</translation>
    </message>
    <message>
        <source>the CUPS queue; default: CUPS&apos;s default destination</source>
        <translation>die CUPS-Warteschlange; Standard: das Standardziel von CUPS</translation>
    </message>
    <message>
        <source>N copies of the card (the job&apos;s copies, 1..1000)</source>
        <translation>N Exemplare der Karte (copies des Auftrags, 1..1000)</translation>
    </message>
    <message>
        <source>the job&apos;s title (default: the template&apos;s file name)</source>
        <translation>der Titel des Auftrags (Standard: der Dateiname der Vorlage)</translation>
    </message>
    <message>
        <source>the old spelling of --option NAME=VALUE</source>
        <translation>die alte Schreibweise von --option NAME=WERT</translation>
    </message>
    <message>
        <source>The card is drawn once off the printer first; a card that cannot be drawn
is not printed at all.</source>
        <translation>Die Karte wird zuerst einmal ohne Drucker gezeichnet; eine Karte, die nicht
gezeichnet werden kann, wird gar nicht gedruckt.</translation>
    </message>
    <message>
        <source>Exit status 0 when the job was handed to CUPS (with --wait: when it has
printed), 1 when it was not (the reason goes to standard error), 2 for
wrong arguments.</source>
        <translation>Rückgabewert 0, wenn der Auftrag an CUPS übergeben wurde (mit --wait: wenn er
gedruckt ist), 1, wenn nicht (der Grund steht auf der Standardfehlerausgabe),
2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>print one card per CSV record into one PDF file or one print job</source>
        <translation>eine Karte je CSV-Datensatz in eine PDF-Datei oder einen Druckauftrag drucken</translation>
    </message>
    <message>
        <source>Prints one card of the template file TEMPLATE per record of a CSV file into
one PDF file or one CUPS print job: one page per card, two for a two-sided
card (front, then back).

The CSV file: quoting as in RFC 4180 (fields in double quotes may hold the
delimiter, line breaks and doubled quotes), a header row naming the columns.
The delimiter is the one of comma, semicolon and tab the header row holds
most (--delimiter forces one); the text is UTF-8 when the whole file is valid
UTF-8, else Windows-1252 (--encoding utf-8|windows-1252 forces one). Every
field the template uses (data fields, parse-string references, photo image
names) must be a column, else nothing is printed and the missing and the
available names are listed (--allow-missing-fields prints anyway). Records
whose fields are all blank are skipped and counted. Each column fills the
print data field of its name. A column named like a photo object&apos;s
ImageName (&quot;Image&quot; unless the template says otherwise) holds a picture file
(JPEG, PNG, BMP, GIF), relative to the CSV file&apos;s folder; an empty value
prints the placeholder photo. A picture used by many records is read once.</source>
        <translation>Druckt eine Karte der Vorlagendatei TEMPLATE je Datensatz einer CSV-Datei in
eine PDF-Datei oder einen CUPS-Druckauftrag: eine Seite je Karte, zwei bei
einer zweiseitigen Karte (Vorderseite, dann Rückseite).

Die CSV-Datei: Anführungszeichen wie in RFC 4180 (Felder in doppelten
Anführungszeichen dürfen das Trennzeichen, Zeilenumbrüche und verdoppelte
Anführungszeichen enthalten), eine Kopfzeile mit den Spaltennamen. Das
Trennzeichen ist dasjenige von Komma, Semikolon und Tab, das in der Kopfzeile
am häufigsten vorkommt (--delimiter legt eines fest); der Text ist UTF-8, wenn
die ganze Datei gültiges UTF-8 ist, sonst Windows-1252 (--encoding
utf-8|windows-1252 legt eine Kodierung fest). Jedes Feld, das die Vorlage
verwendet (Datenfelder, Verweise in Verkettungstexten, Bildnamen von Fotos),
muss eine Spalte sein, sonst wird nichts gedruckt und die fehlenden und die
vorhandenen Namen werden aufgelistet (--allow-missing-fields druckt trotzdem).
Datensätze, deren Felder alle leer sind, werden übersprungen und gezählt. Jede
Spalte füllt das Druckdatenfeld ihres Namens. Eine Spalte, die wie der
ImageName eines Fotoobjekts heißt (&quot;Image&quot;, sofern die Vorlage nichts anderes
sagt), enthält eine Bilddatei (JPEG, PNG, BMP, GIF), relativ zum Ordner der
CSV-Datei; ein leerer Wert druckt das Platzhalterfoto. Ein Bild, das viele
Datensätze verwenden, wird einmal gelesen.</translation>
    </message>
    <message>
        <source>the CSV file</source>
        <translation>die CSV-Datei</translation>
    </message>
    <message>
        <source>the PDF file (written under a temporary name and renamed
when complete)</source>
        <translation>die PDF-Datei (unter einem vorläufigen Namen geschrieben und
nach Fertigstellung umbenannt)</translation>
    </message>
    <message>
        <source>the CUPS queue</source>
        <translation>die CUPS-Warteschlange</translation>
    </message>
    <message>
        <source>only records A to B (1 = the first after the header; A- to
the end)</source>
        <translation>nur die Datensätze A bis B (1 = der erste nach der Kopfzeile;
A- bis zum Ende)</translation>
    </message>
    <message>
        <source>N cards of each record, one after the other (1..1000)</source>
        <translation>N Karten je Datensatz, nacheinander (1..1000)</translation>
    </message>
    <message>
        <source>the document&apos;s title (default: the template&apos;s file name)</source>
        <translation>der Titel des Dokuments (Standard: der Dateiname der Vorlage)</translation>
    </message>
    <message>
        <source>no progress bar (it is shown only on a terminal anyway)</source>
        <translation>keine Fortschrittsanzeige (sie erscheint ohnehin nur im Terminal)</translation>
    </message>
    <message>
        <source>On a queue the job&apos;s id is printed (&quot;job QUEUE-ID: N cards&quot;) and the
queue&apos;s calibration (kytpreview printers) moves every card.

A record that cannot be printed (bad quoting or UTF-8, a wrong number of
fields, a photo that cannot be read, a value its barcode cannot encode) is
reported with its number and line and skipped; the others are printed.</source>
        <translation>Auf einer Warteschlange wird die Auftragsnummer ausgegeben (&quot;job QUEUE-ID: N
cards&quot;), und die Kalibrierung der Warteschlange (kytpreview printers)
verschiebt jede Karte.

Ein Datensatz, der nicht gedruckt werden kann (fehlerhafte Anführungszeichen
oder fehlerhaftes UTF-8, falsche Feldanzahl, ein nicht lesbares Foto, ein Wert,
den sein Barcode nicht codieren kann), wird mit Nummer und Zeile gemeldet und
übersprungen; die anderen werden gedruckt.</translation>
    </message>
    <message>
        <source>Exit status 0 when every record was printed, 1 when any failed (the count
is given) or nothing could be printed, 2 for wrong arguments.</source>
        <translation>Rückgabewert 0, wenn jeder Datensatz gedruckt wurde, 1, wenn einer scheiterte
(die Anzahl wird genannt) oder nichts gedruckt werden konnte, 2 bei falschen
Argumenten.</translation>
    </message>
    <message>
        <source>check a template and its data before printing</source>
        <translation>eine Vorlage und ihre Daten vor dem Druck prüfen</translation>
    </message>
    <message>
        <source>the CSV file the cards will be printed with</source>
        <translation>die CSV-Datei, mit der die Karten gedruckt werden</translation>
    </message>
    <message>
        <source>the data stream file the card will be printed with</source>
        <translation>die Datenstromdatei, mit der die Karte gedruckt wird</translation>
    </message>
    <message>
        <source>render every card and read its barcodes back</source>
        <translation>jede Karte zeichnen und ihre Barcodes zurücklesen</translation>
    </message>
    <message>
        <source>the resolution --verify renders at (default 300)</source>
        <translation>die Auflösung, mit der --verify zeichnet (Standard 300)</translation>
    </message>
    <message>
        <source>Exit status 0 only when every check passes, 1 when any fails (the count goes
to standard error), 2 for wrong arguments.</source>
        <translation>Rückgabewert 0 nur, wenn jede Prüfung besteht, 1, wenn eine scheitert (die
Anzahl steht auf der Standardfehlerausgabe), 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>show a card in a window hosting the Preview control</source>
        <translation>eine Karte in einem Fenster mit dem Preview-Steuerelement zeigen</translation>
    </message>
    <message>
        <source>Opens a window hosting the Preview control with the card fitted into it (front
above back for a two-sided card); the card is fitted again when the window is
resized. Without --data or --target, data fields show their field names.</source>
        <translation>Öffnet ein Fenster mit dem Preview-Steuerelement, in das die Karte eingepasst
ist (Vorderseite über Rückseite bei einer zweiseitigen Karte); die Karte wird
neu eingepasst, wenn sich die Fenstergröße ändert. Ohne --data oder --target
zeigen Datenfelder ihre Feldnamen.</translation>
    </message>
    <message>
        <source>field values: a data stream file (as for render)</source>
        <translation>Feldwerte: eine Datenstromdatei (wie bei render)</translation>
    </message>
    <message>
        <source>field values: record --row of a CSV file (as for render)</source>
        <translation>Feldwerte: Datensatz --row einer CSV-Datei (wie bei render)</translation>
    </message>
    <message>
        <source>the record of --csv or --source (default 1 for --source)</source>
        <translation>der Datensatz von --csv oder --source (Standard 1 bei --source)</translation>
    </message>
    <message>
        <source>field values from a registered target application</source>
        <translation>Feldwerte von einer registrierten Zielanwendung</translation>
    </message>
    <message>
        <source>open the card designer</source>
        <translation>den Kartendesigner öffnen</translation>
    </message>
    <message>
        <source>Opens the template designer on TEMPLATE, or on a new card with the designer
defaults. Place objects with the tool bar on the left, style them from their
context menu, and save with ID &gt; Save. View &gt; Zoom (Ctrl+1..4, Ctrl+0 to fit)
changes the scale.</source>
        <translation>Öffnet den Vorlagendesigner mit TEMPLATE oder mit einer neuen Karte mit den
Standardwerten des Designers. Platzieren Sie Objekte mit der Werkzeugleiste
links, gestalten Sie sie über ihr Kontextmenü und speichern Sie mit
Ausweis &gt; Speichern. Ansicht &gt; Zoom (Strg+1..4, Strg+0 zum Einpassen)
ändert den Maßstab.</translation>
    </message>
    <message>
        <source>show what a template holds</source>
        <translation>zeigen, was eine Vorlage enthält</translation>
    </message>
    <message>
        <source>Reads the template file FILE and prints its page attributes and its design
objects in collection order with every stored member.</source>
        <translation>Liest die Vorlagendatei FILE und gibt ihre Seitenattribute und ihre
Designobjekte in Sammlungsreihenfolge mit allen gespeicherten Elementen aus.</translation>
    </message>
    <message>
        <source>one JSON object: Width, Height, Scalor, Orientation,
BackgroundColor, TargetApplication, Duplex, Picture (null or
[width, height] in pixels) and objects, an array of objects
holding ObjectType, Name, Index, the members of their class
(pictures as Image: null or [width, height]) and TokenString,
the object&apos;s stored text form (fields end in code 1)</source>
        <translation>ein JSON-Objekt: Width, Height, Scalor, Orientation,
BackgroundColor, TargetApplication, Duplex, Picture (null oder
[Breite, Höhe] in Pixeln) und objects, ein Array von Objekten
mit ObjectType, Name, Index, den Elementen ihrer Klasse
(Bilder als Image: null oder [Breite, Höhe]) und TokenString,
der gespeicherten Textform des Objekts (Felder enden mit Code 1)</translation>
    </message>
    <message>
        <source>Exit status 0 when the file was read, 1 when it could not be (the reason
goes to standard error), 2 for wrong arguments.</source>
        <translation>Rückgabewert 0, wenn die Datei gelesen wurde, 1, wenn nicht (der Grund steht
auf der Standardfehlerausgabe), 2 bei falschen Argumenten.</translation>
    </message>
    <message>
        <source>read a template and write it again</source>
        <translation>eine Vorlage lesen und erneut schreiben</translation>
    </message>
    <message>
        <source>Reads the template file IN and writes it to OUT in the current layout (pictures
as bitmaps, logos renumbered). OUT is replaced only once it is completely
written; IN and OUT may be the same file.</source>
        <translation>Liest die Vorlagendatei IN und schreibt sie im aktuellen Aufbau nach OUT
(Bilder als Bitmaps, Logos neu nummeriert). OUT wird erst ersetzt, wenn es
vollständig geschrieben ist; IN und OUT dürfen dieselbe Datei sein.</translation>
    </message>
    <message>
        <source>Exit status 0 on success, 1 when IN cannot be read or OUT cannot be written
(the reason goes to standard error), 2 for wrong arguments.</source>
        <translation>Rückgabewert 0 bei Erfolg, 1, wenn IN nicht gelesen oder OUT nicht geschrieben
werden kann (der Grund steht auf der Standardfehlerausgabe), 2 bei falschen
Argumenten.</translation>
    </message>
    <message>
        <source>print the barcode-font string of a text, or draw a symbol to a file</source>
        <translation>die Barcode-Schriftzeichenfolge eines Textes ausgeben oder ein Symbol in eine Datei zeichnen</translation>
    </message>
    <message>
        <source>Prints the string that draws TEXT as a barcode in the barcode font, as
Windows-1252 code numbers separated by blanks. 3of9 prints the trimmed
text unchanged (start/stop characters come from the object&apos;s prefix and
postfix); 128B and 128C add the start, check and stop characters.

With --symbol, draws TEXT as one symbol, filling its box with its quiet
zones, to a PNG picture, an SVG drawing or a PDF page. TYPE is one of:
  qr, datamatrix, pdf417, aztec, gs1qr, gs1datamatrix, code128, gs1-128,
  ean13, ean8, upca, upce, itf14, codabar, code39, code93
(a GS1 type takes AIs in parentheses: &quot;(01)09501101530003(10)AB12&quot;).</source>
        <translation>Gibt die Zeichenfolge aus, die TEXT in der Barcode-Schriftart als Barcode
zeichnet, als durch Leerzeichen getrennte Windows-1252-Codes. 3of9 gibt den
beschnittenen Text unverändert aus (Start-/Stoppzeichen kommen aus Präfix und
Suffix des Objekts); 128B und 128C fügen Start-, Prüf- und Stoppzeichen hinzu.

Mit --symbol wird TEXT als ein Symbol gezeichnet, das mit seinen Ruhezonen
seinen Rahmen füllt, in ein PNG-Bild, eine SVG-Zeichnung oder eine PDF-Seite.
TYPE ist eines von:
  qr, datamatrix, pdf417, aztec, gs1qr, gs1datamatrix, code128, gs1-128,
  ean13, ean8, upca, upce, itf14, codabar, code39, code93
(ein GS1-Typ nimmt AIs in Klammern: &quot;(01)09501101530003(10)AB12&quot;).</translation>
    </message>
    <message>
        <source>draw TEXT as a symbol of this type</source>
        <translation>TEXT als Symbol dieses Typs zeichnen</translation>
    </message>
    <message>
        <source>the symbol&apos;s file: OUT.png, OUT.svg or OUT.pdf</source>
        <translation>die Datei des Symbols: OUT.png, OUT.svg oder OUT.pdf</translation>
    </message>
    <message>
        <source>the box in inches (default 1x1, PDF417 2x1, linear 2x0.75)</source>
        <translation>der Rahmen in Zoll (Standard 1x1, PDF417 2x1, linear 2x0.75)</translation>
    </message>
    <message>
        <source>resolution of a PNG or PDF (default 300); modules cover
whole dots</source>
        <translation>Auflösung eines PNG oder PDF (Standard 300); Module decken
ganze Druckpunkte ab</translation>
    </message>
    <message>
        <source>error correction: QR Code and Aztec 1-4, PDF417 1-9
(level N-1)</source>
        <translation>Fehlerkorrektur: QR Code und Aztec 1-4, PDF417 1-9
(Stufe N-1)</translation>
    </message>
    <message>
        <source>the human-readable line of a linear symbol</source>
        <translation>die Klartextzeile eines linearen Symbols</translation>
    </message>
    <message>
        <source>the font of that line (default Arial)</source>
        <translation>die Schriftart dieser Zeile (Standard Arial)</translation>
    </message>
    <message>
        <source>its size in points (default 8)</source>
        <translation>ihre Größe in Punkt (Standard 8)</translation>
    </message>
    <message>
        <source>turned clockwise by 0, 90, 180 or 270</source>
        <translation>im Uhrzeigersinn um 0, 90, 180 oder 270 gedreht</translation>
    </message>
    <message>
        <source>a fixed module size instead of as large as fits</source>
        <translation>eine feste Modulgröße statt so groß wie möglich</translation>
    </message>
    <message>
        <source>Text that the barcode type cannot encode is an error (exit status 1), with the
reason; wrong arguments are exit status 2.</source>
        <translation>Text, den der Barcodetyp nicht codieren kann, ist ein Fehler (Rückgabewert 1),
mit Grund; falsche Argumente ergeben Rückgabewert 2.</translation>
    </message>
    <message>
        <source>list CUPS queues and keep their calibration</source>
        <translation>CUPS-Warteschlangen auflisten und ihre Kalibrierung speichern</translation>
    </message>
    <message>
        <source>The CUPS queues and the calibration kept for each in the settings store.

  list             every queue (the default one marked) with its calibration
  show QUEUE       the calibration of one queue
  calibrate QUEUE --offset X,Y [--scale S]
                   stores how far to move (and how much to scale) every card
                   printed on the queue
  calibrate QUEUE --reset
                   forgets the queue&apos;s calibration</source>
        <translation>Die CUPS-Warteschlangen und die für jede im Einstellungsspeicher gespeicherte
Kalibrierung.

  list             jede Warteschlange (die Standardwarteschlange markiert) mit
                   ihrer Kalibrierung
  show QUEUE       die Kalibrierung einer Warteschlange
  calibrate QUEUE --offset X,Y [--scale S]
                   speichert, wie weit jede auf der Warteschlange gedruckte
                   Karte verschoben (und wie stark skaliert) wird
  calibrate QUEUE --reset
                   vergisst die Kalibrierung der Warteschlange</translation>
    </message>
    <message>
        <source>calibrate: X to the right and Y down, in inches or with mm
(0.5mm,-0.3mm), each -2..2 inches</source>
        <translation>calibrate: X nach rechts und Y nach unten, in Zoll oder mit mm
(0.5mm,-0.3mm), jeweils -2..2 Zoll</translation>
    </message>
    <message>
        <source>calibrate: the scale, 0.5..2</source>
        <translation>calibrate: der Maßstab, 0.5..2</translation>
    </message>
    <message>
        <source>calibrate: forget the queue&apos;s calibration</source>
        <translation>calibrate: die Kalibrierung der Warteschlange vergessen</translation>
    </message>
    <message>
        <source>kytpreview calibration-card prints a card from which the offset is read
(see docs/printing.md). print and batch apply the stored calibration;
their --offset replaces the stored offsets for one job.</source>
        <translation>kytpreview calibration-card druckt eine Karte, an der der Versatz abgelesen
wird (siehe docs/printing.md). print und batch wenden die gespeicherte
Kalibrierung an; ihr --offset ersetzt die gespeicherten Versätze für einen
Auftrag.</translation>
    </message>
    <message>
        <source>draw the card printer offsets are read from</source>
        <translation>die Karte zeichnen, an der Druckerversätze abgelesen werden</translation>
    </message>
    <message>
        <source>Draws a calibration card: a ruler through the centre each way, in millimetres
from the centre, and a cross at the centre. Printed on a card, the rulers show
where the printer put the drawing: read the numbers where the card&apos;s edges
cut each ruler (left and top are negative), then
  X = (right edge + left edge) / 2
  Y = (bottom edge + top edge) / 2
are the offsets that bring the drawing back (an edge beyond the ruler&apos;s end:
X = right edge - half the card&apos;s width, likewise for Y); store them with
  kytpreview printers calibrate QUEUE --offset Xmm,Ymm
Printed again, the cross then sits at the card&apos;s centre (docs/printing.md).</source>
        <translation>Zeichnet eine Kalibrierkarte: je ein Lineal in beiden Richtungen durch die
Mitte, in Millimetern von der Mitte, und ein Kreuz in der Mitte. Auf eine Karte
gedruckt, zeigen die Lineale, wohin der Drucker die Zeichnung gesetzt hat:
Lesen Sie die Zahlen ab, wo die Kartenkanten jedes Lineal schneiden (links und
oben sind negativ); dann sind
  X = (rechte Kante + linke Kante) / 2
  Y = (untere Kante + obere Kante) / 2
die Versätze, die die Zeichnung zurückholen (liegt eine Kante jenseits des
Linealendes: X = rechte Kante - halbe Kartenbreite, ebenso für Y); speichern
Sie sie mit
  kytpreview printers calibrate QUEUE --offset Xmm,Ymm
Erneut gedruckt, sitzt das Kreuz dann in der Kartenmitte (docs/printing.md).</translation>
    </message>
    <message>
        <source>write the card to OUT.pdf or OUT.png instead (true size; PNG
at --dpi)</source>
        <translation>die Karte stattdessen nach OUT.pdf oder OUT.png schreiben
(wahre Größe; PNG mit --dpi)</translation>
    </message>
    <message>
        <source>print it on a CUPS queue, moved by the queue&apos;s calibration</source>
        <translation>sie auf einer CUPS-Warteschlange drucken, verschoben um deren Kalibrierung</translation>
    </message>
    <message>
        <source>the card&apos;s size in inches (default 3.375,2.125)</source>
        <translation>die Kartengröße in Zoll (Standard 3.375,2.125)</translation>
    </message>
    <message>
        <source>resolution (default 300)</source>
        <translation>Auflösung (Standard 300)</translation>
    </message>
    <message>
        <source>read and edit the settings store</source>
        <translation>den Einstellungsspeicher lesen und bearbeiten</translation>
    </message>
    <message>
        <source>Reads and edits the settings store.

  list KEY             sub-keys ([name]) and values (name, type, data)
  get KEY NAME         prints one value
  set KEY NAME VALUE   writes a string value, creating the key
  delete KEY [NAME]    deletes a value, or a key without sub-keys
  check                checks the database file

KEY starts with a root (HKEY_LOCAL_MACHINE\, HKLM\, HKEY_CURRENT_USER\,
HKCU\, HKCR\, HKU\); without one it is below HKEY_CURRENT_USER.</source>
        <translation>Liest und bearbeitet den Einstellungsspeicher.

  list KEY             Unterschlüssel ([Name]) und Werte (Name, Typ, Daten)
  get KEY NAME         gibt einen Wert aus
  set KEY NAME VALUE   schreibt einen Zeichenkettenwert und legt den Schlüssel an
  delete KEY [NAME]    löscht einen Wert oder einen Schlüssel ohne Unterschlüssel
  check                prüft die Datenbankdatei

KEY beginnt mit einem Stamm (HKEY_LOCAL_MACHINE\, HKLM\, HKEY_CURRENT_USER\,
HKCU\, HKCR\, HKU\); ohne Stamm liegt er unter HKEY_CURRENT_USER.</translation>
    </message>
    <message>
        <source>register and list target applications</source>
        <translation>Zielanwendungen registrieren und auflisten</translation>
    </message>
    <message>
        <source>The target applications registered for the current user.

  list                           registered targets and what serves each
  register PROGID DESCRIPTION    registers one (what an installer does)
  unregister PROGID              removes one</source>
        <translation>Die für den aktuellen Benutzer registrierten Zielanwendungen.

  list                           registrierte Ziele und was jedes bedient
  register PROGID DESCRIPTION    registriert eines (was ein Installer tut)
  unregister PROGID              entfernt eines</translation>
    </message>
    <message>
        <source>print the version and the files used</source>
        <translation>die Version und die verwendeten Dateien ausgeben</translation>
    </message>
    <message>
        <source>Prints the version and the files the library uses: the settings store and the
error log.</source>
        <translation>Gibt die Version und die Dateien aus, die die Bibliothek verwendet: den
Einstellungsspeicher und das Fehlerprotokoll.</translation>
    </message>
    <message>
        <source>Usage: kytpreview %1 %2

%3
</source>
        <translation>Aufruf: kytpreview %1 %2

%3
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source>Usage: kytpreview COMMAND [ARGS...]

Commands:
</source>
        <translation>Aufruf: kytpreview BEFEHL [ARGUMENTE...]

Befehle:
</translation>
    </message>
    <message>
        <source>
kytpreview COMMAND --help shows the help of one command; man kytpreview-COMMAND
its manual page.
</source>
        <translation>
kytpreview BEFEHL --help zeigt die Hilfe eines Befehls, man kytpreview-BEFEHL
seine Handbuchseite.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; meinten Sie %1?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source> (see kytpreview %1 --help)</source>
        <translation> (siehe kytpreview %1 --help)</translation>
    </message>
    <message>
        <source>expected TYPE and TEXT (see kytpreview barcode --help)</source>
        <translation>TYPE und TEXT erwartet (siehe kytpreview barcode --help)</translation>
    </message>
    <message>
        <source>Code 39 cannot encode the character &apos;%1&apos;</source>
        <translation>Code 39 kann das Zeichen &apos;%1&apos; nicht codieren</translation>
    </message>
    <message>
        <source>Code 128 B encodes only characters with codes 32 to 127</source>
        <translation>Code 128 B codiert nur Zeichen mit den Codes 32 bis 127</translation>
    </message>
    <message>
        <source>Code 128 C needs at least one digit</source>
        <translation>Code 128 C braucht mindestens eine Ziffer</translation>
    </message>
    <message>
        <source>unknown barcode type &apos;%1&apos; (3of9, 128B or 128C; --symbol TYPE for the symbols)</source>
        <translation>unbekannter Barcodetyp &apos;%1&apos; (3of9, 128B oder 128C; --symbol TYPE für die Symbole)</translation>
    </message>
    <message>
        <source>TYPE and TEXT</source>
        <translation>TYPE und TEXT</translation>
    </message>
    <message>
        <source>unknown symbol &apos;%1&apos; (%2)</source>
        <translation>unbekanntes Symbol &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>say where the symbol goes: -o OUT.png, OUT.svg or OUT.pdf</source>
        <translation>geben Sie an, wohin das Symbol kommt: -o OUT.png, OUT.svg oder OUT.pdf</translation>
    </message>
    <message>
        <source>%1 has no error-correction levels to choose</source>
        <translation>%1 hat keine wählbaren Fehlerkorrekturstufen</translation>
    </message>
    <message>
        <source>--ec must be 1 to %1 for %2</source>
        <translation>--ec muss für %2 zwischen 1 und %1 liegen</translation>
    </message>
    <message>
        <source>--text must be below, above or none</source>
        <translation>--text muss below, above oder none sein</translation>
    </message>
    <message>
        <source>--rotate must be 0, 90, 180 or 270</source>
        <translation>--rotate muss 0, 90, 180 oder 270 sein</translation>
    </message>
    <message>
        <source>--module is the module size in inches, above 0 and at most 1</source>
        <translation>--module ist die Modulgröße in Zoll, über 0 und höchstens 1</translation>
    </message>
    <message>
        <source>--font-size must be 1 to 200 points</source>
        <translation>--font-size muss 1 bis 200 Punkt sein</translation>
    </message>
    <message>
        <source>--dpi must be a whole number from 72 to 2400</source>
        <translation>--dpi muss eine ganze Zahl von 72 bis 2400 sein</translation>
    </message>
    <message>
        <source>--size is WIDTHxHEIGHT in inches, each above 0 and at most 20</source>
        <translation>--size ist BREITExHÖHE in Zoll, jeweils über 0 und höchstens 20</translation>
    </message>
    <message>
        <source>kytpreview barcode: font &quot;%1&quot; is not installed; using &quot;%2&quot;</source>
        <translation>kytpreview barcode: Die Schriftart &quot;%1&quot; ist nicht installiert; &quot;%2&quot; wird verwendet</translation>
    </message>
    <message>
        <source>--%1 goes with --symbol (see kytpreview barcode --help)</source>
        <translation>--%1 gehört zu --symbol (siehe kytpreview barcode --help)</translation>
    </message>
    <message>
        <source>--csv and --source exclude each other</source>
        <translation>--csv und --source schließen einander aus</translation>
    </message>
    <message>
        <source>--rows must be A-B, A- or A with record numbers from 1 on, A &lt;= B</source>
        <translation>--rows muss A-B, A- oder A mit Datensatznummern ab 1 sein, A &lt;= B</translation>
    </message>
    <message>
        <source>--copies must be a whole number from 1 to 1000</source>
        <translation>--copies muss eine ganze Zahl von 1 bis 1000 sein</translation>
    </message>
    <message>
        <source>TEMPLATE --csv FILE or TEMPLATE --source URL</source>
        <translation>TEMPLATE --csv FILE oder TEMPLATE --source URL</translation>
    </message>
    <message>
        <source>give either -o OUT.pdf or --printer NAME</source>
        <translation>geben Sie entweder -o OUT.pdf oder --printer NAME an</translation>
    </message>
    <message>
        <source>%1: the output must end in .pdf</source>
        <translation>%1: Die Ausgabe muss auf .pdf enden</translation>
    </message>
    <message>
        <source>--printer needs a queue name</source>
        <translation>--printer braucht einen Warteschlangennamen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>printer %1: %2</source>
        <translation>Drucker %1: %2</translation>
    </message>
    <message>
        <source>record %1 (line %2) skipped: %3</source>
        <translation>Datensatz %1 (Zeile %2) übersprungen: %3</translation>
    </message>
    <message>
        <source>record %1 skipped: %2</source>
        <translation>Datensatz %1 übersprungen: %2</translation>
    </message>
    <message>
        <source>kytpreview %1: record %2 (line %3): warning: %4</source>
        <translation>kytpreview %1: Datensatz %2 (Zeile %3): Warnung: %4</translation>
    </message>
    <message>
        <source>kytpreview %1: %2 skipped</source>
        <translation>kytpreview %1: %2 übersprungen</translation>
    </message>
    <message>
        <source>%1 holds no records%2: nothing printed</source>
        <translation>%1 enthält keine Datensätze%2: nichts gedruckt</translation>
    </message>
    <message>
        <source> in --rows </source>
        <translation> in --rows </translation>
    </message>
    <message>
        <source>%1 failed: nothing printed</source>
        <translation>%1 fehlgeschlagen: nichts gedruckt</translation>
    </message>
    <message>
        <source>the one record</source>
        <translation>der eine Datensatz</translation>
    </message>
    <message>
        <source>all %1 records</source>
        <translation>alle %1 Datensätze</translation>
    </message>
    <message>
        <source> (%1, %2 copies each)</source>
        <translation> (%1, je %2 Exemplare)</translation>
    </message>
    <message>
        <source>%1 %2 %3 in %4 s (%5 cards/s)</source>
        <translation>%1 %2 %3 in %4 s (%5 Karten/s)</translation>
    </message>
    <message>
        <source>written to</source>
        <translation>geschrieben nach</translation>
    </message>
    <message>
        <source>sent to</source>
        <translation>gesendet an</translation>
    </message>
    <message>
        <source>%1 of %2 failed and was skipped</source>
        <translation>%1 von %2 fehlgeschlagen und übersprungen</translation>
    </message>
    <message>
        <source>%1 of %2 failed and were skipped</source>
        <translation>%1 von %2 fehlgeschlagen und übersprungen</translation>
    </message>
    <message>
        <source>Calibration card %1 x %2 in</source>
        <translation>Kalibrierkarte %1 x %2 in</translation>
    </message>
    <message>
        <source>Read where the card&apos;s edges cut</source>
        <translation>Lesen Sie ab, wo die Kartenkanten</translation>
    </message>
    <message>
        <source>the rulers (mm from the centre).</source>
        <translation>die Lineale schneiden (mm von der Mitte).</translation>
    </message>
    <message>
        <source>X = (right + left) / 2</source>
        <translation>X = (rechts + links) / 2</translation>
    </message>
    <message>
        <source>Y = (bottom + top) / 2</source>
        <translation>Y = (unten + oben) / 2</translation>
    </message>
    <message>
        <source>printers calibrate Q --offset Xmm,Ymm</source>
        <translation>printers calibrate Q --offset Xmm,Ymm</translation>
    </message>
    <message>
        <source>no plain arguments</source>
        <translation>keine einfachen Argumente</translation>
    </message>
    <message>
        <source>give either -o OUT.pdf / OUT.png or --printer QUEUE</source>
        <translation>geben Sie entweder -o OUT.pdf / OUT.png oder --printer QUEUE an</translation>
    </message>
    <message>
        <source>--size must be W,H in inches, each 0.5 to 20</source>
        <translation>--size muss B,H in Zoll sein, jeweils 0.5 bis 20</translation>
    </message>
    <message>
        <source>--dpi must be a whole number from 72 to 1200</source>
        <translation>--dpi muss eine ganze Zahl von 72 bis 1200 sein</translation>
    </message>
    <message>
        <source>%1: the output must end in .pdf or .png</source>
        <translation>%1: Die Ausgabe muss auf .pdf oder .png enden</translation>
    </message>
    <message>
        <source>calibration card</source>
        <translation>Kalibrierkarte</translation>
    </message>
    <message>
        <source>calibration card sent to %1</source>
        <translation>Kalibrierkarte an %1 gesendet</translation>
    </message>
    <message>
        <source>--dpi must be a whole number from 150 to 1200</source>
        <translation>--dpi muss eine ganze Zahl von 150 bis 1200 sein</translation>
    </message>
    <message>
        <source>--source excludes --csv and --data</source>
        <translation>--source schließt --csv und --data aus</translation>
    </message>
    <message>
        <source>one template file</source>
        <translation>eine Vorlagendatei</translation>
    </message>
    <message>
        <source>--csv and --data exclude each other</source>
        <translation>--csv und --data schließen einander aus</translation>
    </message>
    <message>
        <source> found: fix them before printing</source>
        <translation> gefunden: Beheben Sie sie vor dem Druck</translation>
    </message>
    <message>
        <source>%1: ready to print</source>
        <translation>%1: druckbereit</translation>
    </message>
    <message>
        <source>at most one template file</source>
        <translation>höchstens eine Vorlagendatei</translation>
    </message>
    <message>
        <source>: %1: no such file</source>
        <translation>: %1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source> Untitiled</source>
        <translation> Unbenannt</translation>
    </message>
    <message>
        <source>: cannot write %1</source>
        <translation>: %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>expected one template file (see kytpreview info --help)</source>
        <translation>eine Vorlagendatei erwartet (siehe kytpreview info --help)</translation>
    </message>
    <message>
        <source>: expected one template file (see kytpreview preview --help)</source>
        <translation>: eine Vorlagendatei erwartet (siehe kytpreview preview --help)</translation>
    </message>
    <message>
        <source>--copies must be a whole number from 1 to %1</source>
        <translation>--copies muss eine ganze Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>no --printer given and CUPS has no default destination (lpstat -d shows it; lpoptions -d NAME sets one)</source>
        <translation>kein --printer angegeben, und CUPS hat kein Standardziel (lpstat -d zeigt es; lpoptions -d NAME legt eines fest)</translation>
    </message>
    <message>
        <source>the card could not be drawn: %1 (nothing printed)</source>
        <translation>die Karte konnte nicht gezeichnet werden: %1 (nichts gedruckt)</translation>
    </message>
    <message>
        <source>a design object failed</source>
        <translation>ein Designobjekt ist fehlgeschlagen</translation>
    </message>
    <message>
        <source> sent to </source>
        <translation> gesendet an </translation>
    </message>
    <message>
        <source>offset %1,%2 in (%3,%4 mm), scale %5</source>
        <translation>Versatz %1,%2 in (%3,%4 mm), Maßstab %5</translation>
    </message>
    <message>
        <source>not calibrated</source>
        <translation>nicht kalibriert</translation>
    </message>
    <message>
        <source>no arguments after list</source>
        <translation>keine Argumente nach list</translation>
    </message>
    <message>
        <source> (default)</source>
        <translation> (Standard)</translation>
    </message>
    <message>
        <source>%1 (not a CUPS queue): %2</source>
        <translation>%1 (keine CUPS-Warteschlange): %2</translation>
    </message>
    <message>
        <source>kytpreview printers: CUPS has no queues</source>
        <translation>kytpreview printers: CUPS hat keine Warteschlangen</translation>
    </message>
    <message>
        <source>show QUEUE</source>
        <translation>show QUEUE</translation>
    </message>
    <message>
        <source>calibrate QUEUE --offset X,Y [--scale S]</source>
        <translation>calibrate QUEUE --offset X,Y [--scale S]</translation>
    </message>
    <message>
        <source>--reset takes no --offset or --scale</source>
        <translation>--reset nimmt kein --offset oder --scale</translation>
    </message>
    <message>
        <source>%1: not calibrated</source>
        <translation>%1: nicht kalibriert</translation>
    </message>
    <message>
        <source>give --offset X,Y, --scale S or --reset</source>
        <translation>geben Sie --offset X,Y, --scale S oder --reset an</translation>
    </message>
    <message>
        <source>there is no CUPS queue named &quot;%1&quot; (kytpreview printers list shows them)</source>
        <translation>es gibt keine CUPS-Warteschlange namens &quot;%1&quot; (kytpreview printers list zeigt sie)</translation>
    </message>
    <message>
        <source>--offset: %1</source>
        <translation>--offset: %1</translation>
    </message>
    <message>
        <source>--scale must be a number from %1 to %2</source>
        <translation>--scale muss eine Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>%1: the settings store %2 could not be written: %3</source>
        <translation>%1: Der Einstellungsspeicher %2 konnte nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>--%1 goes with calibrate (see kytpreview printers --help)</source>
        <translation>--%1 gehört zu calibrate (siehe kytpreview printers --help)</translation>
    </message>
    <message>
        <source>expected list, show QUEUE or calibrate QUEUE (see kytpreview printers --help)</source>
        <translation>list, show QUEUE oder calibrate QUEUE erwartet (siehe kytpreview printers --help)</translation>
    </message>
    <message>
        <source>--option needs NAME=VALUE, not &quot;%1&quot;</source>
        <translation>--option braucht NAME=VALUE, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kytpreview %1: note: -o NAME=VALUE is now spelled --option NAME=VALUE</source>
        <translation>kytpreview %1: Hinweis: -o NAME=VALUE wird jetzt --option NAME=VALUE geschrieben</translation>
    </message>
    <message>
        <source>-o needs NAME=VALUE, not &quot;%1&quot;</source>
        <translation>-o braucht NAME=VALUE, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>job %1: %2</source>
        <translation>Auftrag %1: %2</translation>
    </message>
    <message>
        <source>job %1 completed</source>
        <translation>Auftrag %1 abgeschlossen</translation>
    </message>
    <message>
        <source>say where the card goes: -o OUT.png, -o OUT.pdf or --trace</source>
        <translation>geben Sie an, wohin die Karte kommt: -o OUT.png, -o OUT.pdf oder --trace</translation>
    </message>
    <message>
        <source>--data and --csv exclude each other</source>
        <translation>--data und --csv schließen einander aus</translation>
    </message>
    <message>
        <source>--source excludes --data and --csv</source>
        <translation>--source schließt --data und --csv aus</translation>
    </message>
    <message>
        <source>--csv FILE and --row N go together</source>
        <translation>--csv FILE und --row N gehören zusammen</translation>
    </message>
    <message>
        <source>%1: the output must end in .png or .pdf</source>
        <translation>%1: Die Ausgabe muss auf .png oder .pdf enden</translation>
    </message>
    <message>
        <source>--dpi must be a whole number from %1 to %2</source>
        <translation>--dpi muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>--row must be a record number from 1 on</source>
        <translation>--row muss eine Datensatznummer ab 1 sein</translation>
    </message>
    <message>
        <source>--dpi %1: a picture of this card would be %2 x %3 pixels (%4 MiB), more than a picture may take (%5 MiB, at most %6 pixels a side); the largest --dpi that fits is %7</source>
        <translation>--dpi %1: Ein Bild dieser Karte hätte %2 x %3 Pixel (%4 MiB), mehr als ein Bild belegen darf (%5 MiB, höchstens %6 Pixel je Seite); das größte passende --dpi ist %7</translation>
    </message>
    <message>
        <source>the card could not be drawn: %1</source>
        <translation>die Karte konnte nicht gezeichnet werden: %1</translation>
    </message>
    <message>
        <source>the card could not be drawn: %1 (nothing written)</source>
        <translation>die Karte konnte nicht gezeichnet werden: %1 (nichts geschrieben)</translation>
    </message>
    <message>
        <source>expected IN and OUT (see kytpreview resave --help)</source>
        <translation>IN und OUT erwartet (siehe kytpreview resave --help)</translation>
    </message>
    <message>
        <source>%1 was not written</source>
        <translation>%1 wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>kytpreview settings: unknown root &apos;%1&apos;</source>
        <translation>kytpreview settings: unbekannter Stamm &apos;%1&apos;</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>access denied (a key with sub-keys cannot be deleted, nor a root key)</source>
        <translation>Zugriff verweigert (ein Schlüssel mit Unterschlüsseln kann nicht gelöscht werden, ebenso wenig ein Stammschlüssel)</translation>
    </message>
    <message>
        <source>malformed key path</source>
        <translation>fehlerhafter Schlüsselpfad</translation>
    </message>
    <message>
        <source>the settings file is damaged or cannot be read</source>
        <translation>die Einstellungsdatei ist beschädigt oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>name or value too long</source>
        <translation>Name oder Wert zu lang</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>access denied: the settings store %1 is read-only</source>
        <translation>Zugriff verweigert: Der Einstellungsspeicher %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: %2</source>
        <translation>der Einstellungsspeicher %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>kytpreview settings: %1: %2</source>
        <translation>kytpreview settings: %1: %2</translation>
    </message>
    <message>
        <source>file: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>not usable: %1</source>
        <translation>nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>kytpreview settings %1: a key is needed</source>
        <translation>kytpreview settings %1: Ein Schlüssel wird benötigt</translation>
    </message>
    <message>
        <source>plugin %1</source>
        <translation>Plugin %1</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>No target applications are registered.</source>
        <translation>Es sind keine Zielanwendungen registriert.</translation>
    </message>
    <message>
        <source>Installed but not registered: %1</source>
        <translation>Installiert, aber nicht registriert: %1</translation>
    </message>
    <message>
        <source>kytpreview targets: cannot register %1 (error %2)</source>
        <translation>kytpreview targets: %1 kann nicht registriert werden (Fehler %2)</translation>
    </message>
    <message>
        <source>note: no installed plugin serves %1 yet</source>
        <translation>Hinweis: Noch kein installiertes Plugin bedient %1</translation>
    </message>
    <message>
        <source>kytpreview targets unregister PROGID</source>
        <translation>kytpreview targets unregister PROGID</translation>
    </message>
    <message>
        <source>kytpreview targets: %1 is not registered</source>
        <translation>kytpreview targets: %1 ist nicht registriert</translation>
    </message>
    <message>
        <source>kytpreview targets: </source>
        <translation>kytpreview targets: </translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM is xcb and DISPLAY is unset</source>
        <translation>QT_QPA_PLATFORM ist xcb und DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are unset</source>
        <translation>DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt</translation>
    </message>
    <message>
        <source>DISPLAY is unset and Qt&apos;s Wayland platform plugin is not installed</source>
        <translation>DISPLAY ist nicht gesetzt, und das Wayland-Plattform-Plugin von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>Qt: %1</translation>
    </message>
    <message>
        <source>DISPLAY %1 does not answer</source>
        <translation>DISPLAY %1 antwortet nicht</translation>
    </message>
    <message>
        <source>Qt&apos;s %1 platform could not start</source>
        <translation>Die %1-Plattform von Qt konnte nicht starten</translation>
    </message>
    <message>
        <source>kytpreview %1: no display to open a window on (%2); QT_QPA_PLATFORM=offscreen runs it without a screen, e.g. for --screenshot</source>
        <translation>kytpreview %1: kein Bildschirm, auf dem sich ein Fenster öffnen lässt (%2); QT_QPA_PLATFORM=offscreen läuft ohne Bildschirm, z. B. für --screenshot</translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos;%2; </source>
        <translation>unbekannte Aktion &apos;%1&apos;%2; </translation>
    </message>
    <message>
        <source>kytpreview %1: %2</source>
        <translation>kytpreview %1: %2</translation>
    </message>
    <message>
        <source>unknown option %1 (see kytpreview %2 --help)</source>
        <translation>unbekannte Option %1 (siehe kytpreview %2 --help)</translation>
    </message>
    <message>
        <source>expected %1 (see kytpreview %2 --help)</source>
        <translation>%1 erwartet (siehe kytpreview %2 --help)</translation>
    </message>
    <message>
        <source>%1 is not a template file</source>
        <translation>%1 ist keine Vorlagendatei</translation>
    </message>
    <message>
        <source>--encoding must be utf-8, windows-1252 or auto</source>
        <translation>--encoding muss utf-8, windows-1252 oder auto sein</translation>
    </message>
    <message>
        <source>--delimiter must be , ; or tab</source>
        <translation>--delimiter muss , ; oder tab sein</translation>
    </message>
    <message>
        <source>--query goes with --source sqlite:FILE or --source postgresql://...</source>
        <translation>--query gehört zu --source sqlite:FILE oder --source postgresql://...</translation>
    </message>
    <message>
        <source>--source %1</source>
        <translation>--source %1</translation>
    </message>
    <message>
        <source>--query needs a database source (sqlite: or postgresql:)</source>
        <translation>--query braucht eine Datenbankquelle (sqlite: oder postgresql:)</translation>
    </message>
    <message>
        <source>--query and a table in the URL exclude each other</source>
        <translation>--query und eine Tabelle in der URL schließen einander aus</translation>
    </message>
    <message>
        <source>; --allow-missing-fields prints anyway</source>
        <translation>; --allow-missing-fields druckt trotzdem</translation>
    </message>
    <message>
        <source>kytpreview: unknown command &apos;%1&apos;%2 (see kytpreview --help)</source>
        <translation>kytpreview: unbekannter Befehl &apos;%1&apos;%2 (siehe kytpreview --help)</translation>
    </message>
    <message>
        <source>wait until the job has printed; a cancelled, aborted or
held job or a stopped printer is an error (exit 1)</source>
        <translation>warten, bis der Auftrag gedruckt ist; ein abgebrochener,
verworfener oder zurückgehaltener Auftrag oder ein angehaltener
Drucker ist ein Fehler (exit 1)</translation>
    </message>
    <message>
        <source>the record of --csv or --source (1 = the first after the
header row; default 1 for --source)</source>
        <translation>der Datensatz von --csv oder --source (1 = der erste nach
der Kopfzeile; Standard 1 bei --source)</translation>
    </message>
    <message>
        <source>A preflight report, without printing anything: one line per finding, &quot;ok&quot;,
&quot;warn&quot; (it prints, but look at it) or &quot;FAIL&quot;, its topic and what was found.
A topic that fails has no &quot;ok&quot; line.

  fields    the fields the template uses (data fields, parse-string
            references, photo image names) against the CSV file&apos;s columns
            or the data stream file&apos;s fields
  fonts     fonts the text objects name that are not installed, and font
            sizes no surface draws
  barcodes  values (of every record) a barcode object cannot encode, and
            barcode objects whose font is not their symbology&apos;s barcode
            font (the value would print as letters)
  pictures  logos without a picture, photo files missing or unreadable, or
            larger than a photo may be (32 MiB, 16 megapixels: found from the
            file&apos;s header, without decoding it)
  layout    objects lying (partly) outside the card, and texts and barcodes
            wider than their box at their font size (render cuts nothing:
            they print over their neighbours)
  records   CSV records damaged or empty; warnings for records read in a
            doubtful way (a lone quote kept as a character, rows whose
            encoding differs from the file&apos;s)
  scan      with --verify: every card rendered at --dpi (default 300, as
            printed) and every barcode and symbol read back with the zxing-cpp
            library and compared with the value it should carry (GS1 data as a
            reader reports it); without data the card as render draws it (data
            fields show their field names). A run that rendered no card fails.</source>
        <translation>Ein Prüfbericht vor dem Druck, ohne etwas zu drucken: eine Zeile je Befund,
&quot;ok&quot;, &quot;warn&quot; (es wird gedruckt, aber sehen Sie es sich an) oder &quot;FAIL&quot;, ihr
Bereich und was gefunden wurde. Ein Bereich, der scheitert, hat keine &quot;ok&quot;-Zeile.

  fields    die Felder, die die Vorlage verwendet (Datenfelder, Verweise in
            Verkettungstexten, Bildnamen von Fotos), verglichen mit den
            Spalten der CSV-Datei oder den Feldern der Datenstromdatei
  fonts     Schriftarten der Textobjekte, die nicht installiert sind, und
            Schriftgrößen, die keine Ausgabe zeichnet
  barcodes  Werte (jedes Datensatzes), die ein Barcodeobjekt nicht codieren
            kann, und Barcodeobjekte, deren Schriftart nicht die
            Barcode-Schriftart ihrer Symbologie ist (der Wert würde als
            Buchstaben gedruckt)
  pictures  Logos ohne Bild, fehlende oder unlesbare Fotodateien oder solche,
            die größer sind, als ein Foto sein darf (32 MiB, 16 Megapixel:
            aus dem Dateikopf ermittelt, ohne das Bild zu decodieren)
  layout    Objekte, die (teilweise) außerhalb der Karte liegen, und Texte
            und Barcodes, die bei ihrer Schriftgröße breiter als ihr Rahmen
            sind (render schneidet nichts ab: sie überdrucken ihre Nachbarn)
  records   beschädigte oder leere CSV-Datensätze; Warnungen für Datensätze,
            die zweifelhaft gelesen wurden (ein einzelnes Anführungszeichen
            als Zeichen behalten, Zeilen in anderer Codierung als die Datei)
  scan      mit --verify: jede Karte mit --dpi gezeichnet (Standard 300, wie
            gedruckt) und jeder Barcode und jedes Symbol mit der Bibliothek
            zxing-cpp zurückgelesen und mit dem Wert verglichen, den es tragen
            soll (GS1-Daten so, wie ein Lesegerät sie meldet); ohne Daten die
            Karte, wie render sie zeichnet (Datenfelder zeigen ihre
            Feldnamen). Ein Lauf, der keine Karte gezeichnet hat, scheitert.</translation>
    </message>
    <message>
        <source>kytpreview %1: %2 needs a value (see kytpreview %1 --help)</source>
        <translation>kytpreview %1: %2 braucht einen Wert (siehe kytpreview %1 --help)</translation>
    </message>
    <message>
        <source>kytpreview %1: photos from the column %2, as chosen for this template in the designer (--photo-column NAME chooses another)</source>
        <translation>kytpreview %1: Fotos aus der Spalte %2, wie im Designer für diese Vorlage gewählt (--photo-column NAME wählt eine andere)</translation>
    </message>
    <message>
        <source>the column whose pictures the photos show; default: the
column chosen for this template in the designer (said on
standard error), else the one named like the photo&apos;s ImageName</source>
        <translation>die Spalte, deren Bilder die Fotos zeigen; Vorgabe: die im
Designer für diese Vorlage gewählte Spalte (auf der
Standardfehlerausgabe genannt), sonst die wie der ImageName des Fotos benannte</translation>
    </message>
</context>
<context>
    <name>kyt::frmAbout</name>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;More Info.</source>
        <translation>&amp;Weitere Infos.</translation>
    </message>
</context>
<context>
    <name>kyt::frmBarcodeProp</name>
    <message>
        <source>Barcode Properties</source>
        <translation>Barcode-Eigenschaften</translation>
    </message>
    <message>
        <source>Select Barcode Font</source>
        <translation>Barcode-Schriftart wählen</translation>
    </message>
    <message>
        <source>&amp;Prefix:</source>
        <translation>&amp;Präfix:</translation>
    </message>
    <message>
        <source>Prefix Barcode with Text String</source>
        <translation>Dem Barcode eine Zeichenfolge voranstellen</translation>
    </message>
    <message>
        <source>Pos&amp;tfix:</source>
        <translation>&amp;Suffix:</translation>
    </message>
    <message>
        <source>Postfix Barcode with Text String</source>
        <translation>Dem Barcode eine Zeichenfolge anhängen</translation>
    </message>
    <message>
        <source>&amp;Barcode:</source>
        <translation>&amp;Barcode:</translation>
    </message>
    <message>
        <source>Barcod Type</source>
        <translation>Barcodetyp</translation>
    </message>
    <message>
        <source>&amp;FontName:</source>
        <translation>Sc&amp;hriftart:</translation>
    </message>
    <message>
        <source>Name of Font to use for Barcode</source>
        <translation>Name der Schriftart für den Barcode</translation>
    </message>
    <message>
        <source>Choose the appropriate Font for the barcode</source>
        <translation>Wählen Sie die passende Schriftart für den Barcode</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>as large as fits</source>
        <translation>so groß wie möglich</translation>
    </message>
    <message>
        <source>&amp;Error correction:</source>
        <translation>&amp;Fehlerkorrektur:</translation>
    </message>
    <message>
        <source>How much of the symbol may be damaged and still read</source>
        <translation>Wie viel vom Symbol beschädigt sein darf, damit es noch lesbar ist</translation>
    </message>
    <message>
        <source>&amp;Human-readable line:</source>
        <translation>&amp;Klartextzeile:</translation>
    </message>
    <message>
        <source>The value printed under or over the bars, in the object&apos;s font</source>
        <translation>Der Wert, der unter oder über die Striche gedruckt wird, in der Schriftart des Objekts</translation>
    </message>
    <message>
        <source>&amp;Rotation:</source>
        <translation>&amp;Drehung:</translation>
    </message>
    <message>
        <source>Turns the symbol clockwise</source>
        <translation>Dreht das Symbol im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>&amp;Module size:</source>
        <translation>&amp;Modulgröße:</translation>
    </message>
    <message>
        <source>Size of one module (the narrowest bar) in inches; empty: as large as the box allows</source>
        <translation>Größe eines Moduls (des schmalsten Strichs) in Zoll; leer: so groß, wie der Rahmen erlaubt</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>The font dialog gave no font.</source>
        <translation>Der Schriftartdialog lieferte keine Schriftart.</translation>
    </message>
    <message>
        <source>Choose a barcode type: 3of9, 128B, 128C or a symbol such as QR Code.</source>
        <translation>Wählen Sie einen Barcodetyp: 3of9, 128B, 128C oder ein Symbol wie QR Code.</translation>
    </message>
    <message>
        <source>Fit by shrin&amp;king only (keep the set size when the text fits)</source>
        <translation>Nur durch &amp;Verkleinern anpassen (die eingestellte Größe bleibt, wenn der Text passt)</translation>
    </message>
    <message>
        <source>Size Font To Fit makes long texts smaller but never makes short ones larger</source>
        <translation>Schrift an Größe anpassen macht lange Texte kleiner, kurze aber nie größer</translation>
    </message>
    <message>
        <source>Size of one module (the narrowest bar) in millimetres; empty: as large as the box allows</source>
        <translation>Größe eines Moduls (des schmalsten Strichs) in Millimetern; leer: so groß, wie der Rahmen erlaubt</translation>
    </message>
</context>
<context>
    <name>kyt::frmDataConnection</name>
    <message>
        <source>Open Database</source>
        <translation>Datenbank öffnen</translation>
    </message>
    <message>
        <source>SQLite database file</source>
        <translation>SQLite-Datenbankdatei</translation>
    </message>
    <message>
        <source>PostgreSQL server</source>
        <translation>PostgreSQL-Server</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Datenbank:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Dat&amp;ei:</translation>
    </message>
    <message>
        <source>localhost, an address or a socket folder</source>
        <translation>localhost, eine Adresse oder ein Socket-Ordner</translation>
    </message>
    <message>
        <source>5432</source>
        <translation>5432</translation>
    </message>
    <message>
        <source>your login name</source>
        <translation>Ihr Anmeldename</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Data&amp;base:</source>
        <translation>Daten&amp;bank:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>Ben&amp;utzer:</translation>
    </message>
    <message>
        <source>A password is asked for when the server wants one; it is never stored.</source>
        <translation>Ein Kennwort wird erfragt, wenn der Server eines verlangt; es wird nie gespeichert.</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Tabelle:</translation>
    </message>
    <message>
        <source>&amp;List Tables</source>
        <translation>Tabellen &amp;auflisten</translation>
    </message>
    <message>
        <source>&amp;Query:</source>
        <translation>Abf&amp;rage:</translation>
    </message>
    <message>
        <source>SELECT ... FROM ...</source>
        <translation>SELECT ... FROM ...</translation>
    </message>
    <message>
        <source>Te&amp;st Connection</source>
        <translation>&amp;Verbindung testen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Choose the database file.</source>
        <translation>Wählen Sie die Datenbankdatei.</translation>
    </message>
    <message>
        <source>Name the database.</source>
        <translation>Geben Sie die Datenbank an.</translation>
    </message>
    <message>
        <source>Type the query (SELECT ...).</source>
        <translation>Geben Sie die Abfrage ein (SELECT ...).</translation>
    </message>
    <message>
        <source>Choose a table (List Tables shows them) or type a query.</source>
        <translation>Wählen Sie eine Tabelle (Tabellen auflisten zeigt sie) oder geben Sie eine Abfrage ein.</translation>
    </message>
    <message>
        <source>Connected: the database has no tables.</source>
        <translation>Verbunden: die Datenbank hat keine Tabellen.</translation>
    </message>
    <message>
        <source>Connected: %1.</source>
        <translation>Verbunden: %1.</translation>
    </message>
    <message>
        <source>Could not connect: %1</source>
        <translation>Keine Verbindung möglich: %1</translation>
    </message>
    <message>
        <source>Connected: %1 and %2.</source>
        <translation>Verbunden: %1 und %2.</translation>
    </message>
    <message>
        <source>Open SQLite Database</source>
        <translation>SQLite-Datenbank öffnen</translation>
    </message>
    <message>
        <source>SQLite Databases (*.sqlite;*.sqlite3;*.db)|*.sqlite;*.sqlite3;*.db|All Files (*.*)|*.*</source>
        <translation>SQLite-Datenbanken (*.sqlite;*.sqlite3;*.db)|*.sqlite;*.sqlite3;*.db|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Connecting to the database...</source>
        <translation>Verbindung zur Datenbank wird hergestellt...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
</context>
<context>
    <name>kyt::frmDataPassword</name>
    <message>
        <source>Database Password</source>
        <translation>Datenbankkennwort</translation>
    </message>
    <message>
        <source>The password for %1:</source>
        <translation>Das Kennwort für %1:</translation>
    </message>
    <message>
        <source>It is used for this session only and never stored.</source>
        <translation>Es wird nur für diese Sitzung verwendet und nie gespeichert.</translation>
    </message>
</context>
<context>
    <name>kyt::frmIDProperties</name>
    <message>
        <source>Template Properties</source>
        <translation>Vorlageneigenschaften</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Print Orientation</source>
        <translation>Druckausrichtung</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>Hoch&amp;format</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>&amp;Duplex</source>
        <translation>&amp;Duplex</translation>
    </message>
    <message>
        <source>Target Application</source>
        <translation>Zielanwendung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>&amp;Flood</source>
        <translation>F&amp;üllen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>the template</source>
        <translation>die Vorlage</translation>
    </message>
    <message>
        <source>Load Background Picture</source>
        <translation>Hintergrundbild laden</translation>
    </message>
    <message>
        <source>The File you are about to load is </source>
        <translation>Die Datei, die Sie laden möchten, ist </translation>
    </message>
    <message>
        <source> Kb.<byte value="xd"/>
</source>
        <translation> KB groß.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Files over 100 Kb are considered large and will greatly increase the print and display time of your formats.<byte value="xd"/>
</source>
        <translation>Dateien über 100 KB gelten als groß und verlängern die Druck- und Anzeigezeit Ihrer Vorlagen erheblich.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to continue loading the file?</source>
        <translation>Möchten Sie die Datei wirklich laden?</translation>
    </message>
    <message>
        <source>Confirm Large File Load</source>
        <translation>Laden einer großen Datei bestätigen</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
</context>
<context>
    <name>kyt::frmMessage</name>
    <message>
        <source>Message to User</source>
        <translation>Nachricht an den Benutzer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>kyt::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Set Default Values</source>
        <translation>Standardwerte festlegen</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Maßeinheit:</translation>
    </message>
    <message>
        <source>Print Orientation</source>
        <translation>Druckausrichtung</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>Hoch&amp;format</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>&amp;Duplex</source>
        <translation>&amp;Duplex</translation>
    </message>
    <message>
        <source>Target Application</source>
        <translation>Zielanwendung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Font Properties</source>
        <translation>Schrifteigenschaften</translation>
    </message>
    <message>
        <source>Sample A B C</source>
        <translation>Beispiel A B C</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>Hinter&amp;grund</translation>
    </message>
    <message>
        <source>Te&amp;xt Colour</source>
        <translation>Te&amp;xtfarbe</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Transparent</translation>
    </message>
    <message>
        <source>&amp;Size Font to Fit</source>
        <translation>Schrift an&amp;passen</translation>
    </message>
    <message>
        <source>Sample %1</source>
        <translation>Beispiel %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>a new template</source>
        <translation>eine neue Vorlage</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>kyt::frmPreview</name>
    <message>
        <source>Drag on the card to place the object, or press Enter to place it in the middle; Esc cancels.</source>
        <translation>Ziehen Sie auf der Karte, um das Objekt zu platzieren, oder drücken Sie die Eingabetaste, um es in der Mitte zu platzieren; Esc bricht ab.</translation>
    </message>
    <message>
        <source>KyT Templates(*.tpl)|*.tpl</source>
        <translation>KyT-Vorlagen(*.tpl)|*.tpl</translation>
    </message>
    <message>
        <source>KyT Previewer</source>
        <translation>KyT Previewer</translation>
    </message>
    <message>
        <source>&amp;ID</source>
        <translation>&amp;Ausweis</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close ID</source>
        <translation>Ausweis s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Print Preview...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;An Fenster anpassen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Load Logo...</source>
        <translation>Logo la&amp;den...</translation>
    </message>
    <message>
        <source>Data &amp;Field...</source>
        <translation>Daten&amp;feld...</translation>
    </message>
    <message>
        <source>&amp;Edit Text</source>
        <translation>Text &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Bring to Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Send to Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Schrift&amp;art...</translation>
    </message>
    <message>
        <source>Size Font To Fit</source>
        <translation>Schrift anpassen</translation>
    </message>
    <message>
        <source>&amp;Alignment...</source>
        <translation>Aus&amp;richtung...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Strecken</translation>
    </message>
    <message>
        <source>&amp;Border</source>
        <translation>Rah&amp;men</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Transparent</translation>
    </message>
    <message>
        <source>Background &amp;Color...</source>
        <translation>Hinter&amp;grundfarbe...</translation>
    </message>
    <message>
        <source>Fore&amp;ground Color...</source>
        <translation>V&amp;ordergrundfarbe...</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Magstripe...</source>
        <translation>Magnetstreifen...</translation>
    </message>
    <message>
        <source>SmartCard...</source>
        <translation>Chipkarte...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Search for Help On...</source>
        <translation>Hilfe durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;About Previewer</source>
        <translation>Ü&amp;ber Previewer</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Select Objects</source>
        <translation>Objekte auswählen</translation>
    </message>
    <message>
        <source>&amp;Select Objects</source>
        <translation>Objekte &amp;auswählen</translation>
    </message>
    <message>
        <source>Photo Place Holder</source>
        <translation>Fotoplatzhalter</translation>
    </message>
    <message>
        <source>&amp;Photo Place Holder</source>
        <translation>&amp;Fotoplatzhalter</translation>
    </message>
    <message>
        <source>Logo or Image</source>
        <translation>Logo oder Bild</translation>
    </message>
    <message>
        <source>&amp;Logo or Image</source>
        <translation>&amp;Logo oder Bild</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>Data Field</source>
        <translation>Datenfeld</translation>
    </message>
    <message>
        <source>&amp;Data Field</source>
        <translation>&amp;Datenfeld</translation>
    </message>
    <message>
        <source>Single Static Text Line</source>
        <translation>Feste Textzeile</translation>
    </message>
    <message>
        <source>Single Static &amp;Text Line</source>
        <translation>Feste &amp;Textzeile</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>L&amp;ine</source>
        <translation>L&amp;inie</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>ID Changed</source>
        <translation>Ausweis geändert</translation>
    </message>
    <message>
        <source> Untitiled</source>
        <translation> Unbenannt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 is not a template file.</source>
        <translation>%1 ist keine Vorlagendatei.</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Can not save all objects.<byte value="xd"/>
Continue Save anyway?</source>
        <translation>Nicht alle Objekte können gespeichert werden.<byte value="xd"/>
Trotzdem speichern?</translation>
    </message>
    <message>
        <source>New Template Properties</source>
        <translation>Eigenschaften der neuen Vorlage</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>The back of the card holds %1, which a one-sided card does not print.<byte value="xd"/>
Remove them? (No keeps the card two-sided.)</source>
        <translation>Die Rückseite der Karte enthält %1, die eine einseitige Karte nicht druckt.<byte value="xd"/>
Entfernen? (Nein lässt die Karte zweiseitig.)</translation>
    </message>
    <message>
        <source>Unsupported File Format</source>
        <translation>Nicht unterstütztes Dateiformat</translation>
    </message>
    <message>
        <source>OLE Drop Error</source>
        <translation>Fehler beim Ablegen</translation>
    </message>
    <message>
        <source>&lt;Load Data Field&gt;</source>
        <translation>&lt;Datenfeld laden&gt;</translation>
    </message>
    <message>
        <source>&lt;Enter Text&gt;</source>
        <translation>&lt;Text eingeben&gt;</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Load Logo</source>
        <translation>Logo laden</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Foreground Color</source>
        <translation>Vordergrundfarbe</translation>
    </message>
    <message>
        <source>Barcode Properties</source>
        <translation>Barcode-Eigenschaften</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo </source>
        <translation>&amp;Rückgängig: </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>Rückgängig: </translation>
    </message>
    <message>
        <source>&amp;Redo </source>
        <translation>&amp;Wiederholen: </translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>Wiederholen: </translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>Ano&amp;rdnen</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>&amp;Links ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Centres</source>
        <translation>Horizontal &amp;zentrieren</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Top</source>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Middles</source>
        <translation>Vertikal &amp;mittig ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Bottom</source>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
        <source>Distribute &amp;Horizontally</source>
        <translation>&amp;Horizontal verteilen</translation>
    </message>
    <message>
        <source>Distribute &amp;Vertically</source>
        <translation>&amp;Vertikal verteilen</translation>
    </message>
    <message>
        <source>Same &amp;Width</source>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message>
        <source>Same H&amp;eight</source>
        <translation>Gleiche Höh&amp;e</translation>
    </message>
    <message>
        <source>Snap to &amp;Grid</source>
        <translation>Am Ra&amp;ster einrasten</translation>
    </message>
    <message>
        <source>Snap to &amp;Objects</source>
        <translation>An Ob&amp;jekten einrasten</translation>
    </message>
    <message>
        <source>&amp;Properties Panel</source>
        <translation>&amp;Eigenschaftenfenster</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Maßeinheiten</translation>
    </message>
    <message>
        <source>&amp;Inches</source>
        <translation>&amp;Zoll</translation>
    </message>
    <message>
        <source>&amp;Millimetres</source>
        <translation>&amp;Millimeter</translation>
    </message>
    <message>
        <source>&amp;Recent Templates</source>
        <translation>&amp;Zuletzt geöffnete Vorlagen</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Haupt</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>Neue Vorlage</translation>
    </message>
    <message>
        <source>Open a template</source>
        <translation>Eine Vorlage öffnen</translation>
    </message>
    <message>
        <source>Save the template</source>
        <translation>Die Vorlage speichern</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Align left edges</source>
        <translation>Linke Kanten ausrichten</translation>
    </message>
    <message>
        <source>Align top edges</source>
        <translation>Obere Kanten ausrichten</translation>
    </message>
    <message>
        <source>Distribute horizontally</source>
        <translation>Horizontal verteilen</translation>
    </message>
    <message>
        <source>Distribute vertically</source>
        <translation>Vertikal verteilen</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Properties panel (F4)</source>
        <translation>Eigenschaftenfenster (F4)</translation>
    </message>
    <message>
        <source>Main &amp;Tool Bar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>&amp;200 %</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>&amp;300 %</source>
        <translation>&amp;300 %</translation>
    </message>
    <message>
        <source>&amp;400 %</source>
        <translation>&amp;400 %</translation>
    </message>
</context>
<context>
    <name>kyt::frmPrintPreview</name>
    <message>
        <source>ID Print Preview</source>
        <translation>Ausweis-Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No printer chosen: choose one with Setup.</source>
        <translation>Kein Drucker gewählt: Wählen Sie einen unter „Einrichten“.</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Calibration damaged: %1</source>
        <translation>Kalibrierung beschädigt: %1</translation>
    </message>
    <message>
        <source>Calibrated: printed %1 from where the card shows.</source>
        <translation>Kalibriert: wird %1 gegenüber der Anzeige versetzt gedruckt.</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Invalid property value (card size %1 x %2 inches)</source>
        <translation>Ungültiger Eigenschaftswert (Kartengröße %1 x %2 Zoll)</translation>
    </message>
</context>
<context>
    <name>kyt::frmSelectDataField</name>
    <message>
        <source>Select Data Field</source>
        <translation>Datenfeld wählen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Field name:</source>
        <translation>&amp;Feldname:</translation>
    </message>
    <message>
        <source>Type a data field name or choose one from the list.</source>
        <translation>Geben Sie einen Datenfeldnamen ein oder wählen Sie einen aus der Liste.</translation>
    </message>
</context>
</TS>
