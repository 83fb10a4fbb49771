<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Diary</name>
    <message>
        <source>&amp;Breakfast </source>
        <translation>&amp;Frühstück </translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>S&amp;nack</source>
        <translation>S&amp;nack</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Snack</translation>
    </message>
    <message>
        <source>&amp;Lunch</source>
        <translation>Mi&amp;ttagessen</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Snac&amp;k</source>
        <translation>Sna&amp;ck</translation>
    </message>
    <message>
        <source>Second snack</source>
        <translation>Zweiter Snack</translation>
    </message>
    <message>
        <source>&amp;Dinner</source>
        <translation>&amp;Abendessen</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <source>S&amp;upper</source>
        <translation>S&amp;pätmahlzeit</translation>
    </message>
    <message>
        <source>Supper</source>
        <translation>Spätmahlzeit</translation>
    </message>
    <message>
        <source>Cycl&amp;ing</source>
        <translation>&amp;Radfahren</translation>
    </message>
    <message>
        <source>&amp;Running</source>
        <translation>&amp;Laufen</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>B&amp;odybuilding</source>
        <translation>&amp;Krafttraining</translation>
    </message>
    <message>
        <source>Rowing</source>
        <translation>Rudern</translation>
    </message>
    <message>
        <source>Swimming</source>
        <translation>Schwimmen</translation>
    </message>
    <message>
        <source>Skiing</source>
        <translation>Skilanglauf</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Eislaufen</translation>
    </message>
    <message>
        <source>Ball game</source>
        <translation>Ballsport</translation>
    </message>
    <message>
        <source>Slalom</source>
        <translation>Slalom</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Putzen</translation>
    </message>
    <message>
        <source>Climb stairs</source>
        <translation>Treppensteigen</translation>
    </message>
    <message>
        <source>Other kcal consumption</source>
        <translation>Sonstiger Verbrauch (kcal)</translation>
    </message>
    <message>
        <source>Weight change (kg)</source>
        <translation>Gewichtsänderung (kg)</translation>
    </message>
    <message>
        <source>Weight change (lbs)</source>
        <translation>Gewichtsänderung (lbs)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Gewicht (kg)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>DiaryForm</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Energy In (kcal)</source>
        <translation>Energiezufuhr (kcal)</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 kcal</source>
        <translation>%1 kcal</translation>
    </message>
    <message>
        <source>Theoretical Result</source>
        <translation>Theoretisches Ergebnis</translation>
    </message>
    <message>
        <source>kcal change</source>
        <translation>kcal-Änderung</translation>
    </message>
    <message>
        <source>kcal consumed by training</source>
        <translation>kcal durch Training verbraucht</translation>
    </message>
    <message>
        <source>kcal change %1</source>
        <translation>kcal-Änderung %1</translation>
    </message>
    <message>
        <source>Weight change %1</source>
        <translation>Gewichtsänderung %1</translation>
    </message>
    <message>
        <source>kcal consumed by training %1</source>
        <translation>kcal durch Training verbraucht %1</translation>
    </message>
    <message>
        <source>Measured change %1</source>
        <translation>Gemessene Änderung %1</translation>
    </message>
    <message>
        <source>Real consumption %1</source>
        <translation>Realer Verbrauch %1</translation>
    </message>
    <message>
        <source>Tr&amp;aining Graph</source>
        <translation>Tra&amp;iningsdiagramm</translation>
    </message>
    <message>
        <source>Calorie &amp;Graph</source>
        <translation>Kal&amp;oriendiagramm</translation>
    </message>
    <message>
        <source>W&amp;eight Graph</source>
        <translation>Ge&amp;wichtsdiagramm</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>&amp;Monthly graph</source>
        <translation>&amp;Monatsdiagramm</translation>
    </message>
    <message>
        <source>&amp;Yearly graph</source>
        <translation>&amp;Jahresdiagramm</translation>
    </message>
    <message>
        <source>Result of the day</source>
        <translation>Ergebnis des Tages</translation>
    </message>
    <message>
        <source>Energy In</source>
        <translation>Energiezufuhr</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>kcal left to use</source>
        <translation>Verbleibende kcal</translation>
    </message>
    <message>
        <source>Normal energy consumption</source>
        <translation>Normaler Energieverbrauch</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>dd-MMM-yyyy</source>
        <comment>the date field&apos;s format: d day, M month, y year</comment>
        <translation>dd. MMM yyyy</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>User list</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Speichern und schließen</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Speichern und schließen</translation>
    </message>
    <message>
        <source>Diary note</source>
        <translation>Tagebuchnotiz</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Data sheet Files (*.xls)</source>
        <translation>Datentabellen (*.xls)</translation>
    </message>
    <message>
        <source>Data Files (*.xlc *.xls)</source>
        <translation>Datendateien (*.xlc *.xls)</translation>
    </message>
    <message>
        <source>Problem saving file. Try a new file name.</source>
        <translation>Fehler beim Speichern der Datei. Versuchen Sie einen anderen Dateinamen.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verknüpft.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es der aktuelle Ordner ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht erstellt werden, weil der Ordner voll ist.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Ein-/Ausgabefehler der Hardware gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger war beim Zugriff auf %1 voll.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of the diary.</source>
        <translation>%1 ist zu groß für eine Datei des Tagebuchs.</translation>
    </message>
    <message>
        <source>%1 holds nothing this program can read. It was left as it is.</source>
        <translation>%1 enthält nichts, was dieses Programm lesen kann. Die Datei wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1 is on a read-only file system.</source>
        <translation>%1 liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>%1 was changed by another program at every try to save it. What you typed is kept beside it as a copy whose name begins the same and holds &quot;conflict&quot;.</source>
        <translation>%1 wurde bei jedem Speicherversuch von einem anderen Programm geändert. Ihre Eingabe liegt daneben als Kopie, deren Name gleich beginnt und &quot;conflict&quot; enthält.</translation>
    </message>
    <message>
        <source>%1 was changed by another program while it was open here. Nothing was written over it: open it again to see the new version.</source>
        <translation>%1 wurde von einem anderen Programm geändert, während sie hier geöffnet war. Nichts wurde überschrieben: Öffnen Sie sie erneut, um die neue Fassung zu sehen.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 ist eine symbolische Verknüpfung auf eine Datei, die nicht existiert. Es wurde nichts geschrieben; entfernen Sie die Verknüpfung oder stellen Sie ihre Datei wieder her.</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) from %1 to %2</source>
        <translation>
            <numerusform>%n Tag vom %1 bis %2</numerusform>
            <numerusform>%n Tage vom %1 bis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: lowest %2, highest %3, latest %4</source>
        <translation>%1: niedrigster Wert %2, höchster %3, letzter %4</translation>
    </message>
    <message>
        <source>No days</source>
        <translation>Keine Tage</translation>
    </message>
    <message>
        <source>%1: no weighing</source>
        <translation>%1: keine Wägung</translation>
    </message>
    <message>
        <source>Calorie Eaten</source>
        <translation>Gegessene Kalorien</translation>
    </message>
    <message>
        <source>Calorie consumption by training</source>
        <translation>Kalorienverbrauch durch Training</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>Weight and trend</source>
        <translation>Gewicht und Trend</translation>
    </message>
    <message numerus="yes">
        <source>No weighing in these %n day(s)</source>
        <translation>
            <numerusform>Keine Wägung an diesem %n Tag</numerusform>
            <numerusform>Keine Wägung in diesen %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Weighing</source>
        <translation>Wägung</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>File Not Found - %1
Try on line help.</source>
        <translation>Datei nicht gefunden – %1
Versuchen Sie die Online-Hilfe.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>the diary&apos;s day cannot be read, so nothing is imported into it</source>
        <translation>der Tag des Tagebuchs kann nicht gelesen werden, daher wird nichts in ihn importiert</translation>
    </message>
    <message>
        <source>The diary of %1: %2, %3.</source>
        <translation>Tagebuch von %1: %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) change(s|)</source>
        <translation>
            <numerusform>%n Tag ändert sich</numerusform>
            <numerusform>%n Tage ändern sich</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) skipped</source>
        <translation>
            <numerusform>%n Zeile übersprungen</numerusform>
            <numerusform>%n Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source> (a new day)</source>
        <translation> (ein neuer Tag)</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Übersprungen:</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>changed by another program since the preview; not imported</source>
        <translation>seit der Vorschau von einem anderen Programm geändert; nicht importiert</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD): &quot;%1&quot;</source>
        <translation>kein Datum (JJJJ-MM-TT): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no number of %1: &quot;%2&quot;</source>
        <translation>keine Zahl für %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no weighing from 20 to 500 kg: %1 %2</source>
        <translation>keine Wägung zwischen 20 und 500 kg: %1 %2</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>kcal burned</source>
        <translation>verbrauchte kcal</translation>
    </message>
    <message>
        <source>no weight unit kg or lbs: &quot;%1&quot;</source>
        <translation>keine Gewichtseinheit kg oder lbs: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>no date: &quot;%1&quot;</source>
        <translation>kein Datum: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no number of weight</source>
        <translation>keine Zahl für das Gewicht</translation>
    </message>
    <message>
        <source>The weighings of %1 and %2 differ by more than 20 %: check the unit of the weights.</source>
        <translation>Die Wägungen vom %1 und %2 unterscheiden sich um mehr als 20 %: Prüfen Sie die Einheit der Gewichte.</translation>
    </message>
    <message>
        <source>no format this program reads</source>
        <translation>kein Format, das dieses Programm liest</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>larger than 256 MiB</source>
        <translation>größer als 256 MiB</translation>
    </message>
    <message>
        <source>cannot be unpacked</source>
        <translation>kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>packed in a way this program does not unpack</source>
        <translation>auf eine Weise gepackt, die dieses Programm nicht entpackt</translation>
    </message>
    <message>
        <source>not a zip archive, or a damaged one</source>
        <translation>kein ZIP-Archiv oder ein beschädigtes</translation>
    </message>
    <message>
        <source>a damaged zip archive</source>
        <translation>ein beschädigtes ZIP-Archiv</translation>
    </message>
    <message>
        <source>Day total</source>
        <translation>Tagessumme</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>The diary has no user to import into yet: choose Tools &gt; Users, type your name and press Add.</source>
        <translation>Das Tagebuch hat noch keinen Benutzer für den Import: Wählen Sie Extras &gt; Benutzer, geben Sie Ihren Namen ein und drücken Sie Hinzufügen.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Exports of diaries and scales (*.csv *.txt *.zip)</source>
        <translation>Exporte von Tagebüchern und Waagen (*.csv *.txt *.zip)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n day(s).</source>
        <translation>
            <numerusform>%n Tag importiert.</numerusform>
            <numerusform>%n Tage importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n day(s) more.</source>
        <translation>
            <numerusform>... und %n weiterer Tag.</numerusform>
            <numerusform>... und %n weitere Tage.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message numerus="yes">
        <source>[This note is too long to edit here. It is shown broken into lines, without its last %n byte(s), and kept exactly as stored.]</source>
        <translation>
            <numerusform>[Diese Notiz ist zu lang, um sie hier zu bearbeiten. Sie wird in Zeilen umbrochen angezeigt, ohne ihr letztes %n Byte, und genau so aufbewahrt, wie sie gespeichert ist.]</numerusform>
            <numerusform>[Diese Notiz ist zu lang, um sie hier zu bearbeiten. Sie wird in Zeilen umbrochen angezeigt, ohne ihre letzten %n Bytes, und genau so aufbewahrt, wie sie gespeichert ist.]</numerusform>
        </translation>
    </message>
    <message>
        <source>[This note is too long to edit here. It is shown broken into lines, and kept exactly as stored.]</source>
        <translation>[Diese Notiz ist zu lang, um sie hier zu bearbeiten. Sie wird in Zeilen umbrochen angezeigt und genau so aufbewahrt, wie sie gespeichert ist.]</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>the Vesmira site</source>
        <translation>die Vesmira-Website</translation>
    </message>
    <message>
        <source>Questions and ideas: dev@%1</source>
        <translation>Fragen und Ideen: dev@%1</translation>
    </message>
    <message>
        <source>Vesmira help</source>
        <translation>Vesmira-Hilfe</translation>
    </message>
    <message>
        <source>the Vesmira pages</source>
        <translation>die Vesmira-Seiten</translation>
    </message>
    <message>
        <source>Questions and answers: Help &gt; Help</source>
        <translation>Fragen und Antworten: Hilfe &gt; Hilfe</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Cycling</source>
        <translation>Radfahren</translation>
    </message>
    <message>
        <source>Runing</source>
        <translation>Laufen</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>Bodybuilding</source>
        <translation>Krafttraining</translation>
    </message>
    <message>
        <source>Rowing</source>
        <translation>Rudern</translation>
    </message>
    <message>
        <source>Swiming</source>
        <translation>Schwimmen</translation>
    </message>
    <message>
        <source>Skiing</source>
        <translation>Skilanglauf</translation>
    </message>
    <message>
        <source>Skate</source>
        <translation>Eislaufen</translation>
    </message>
    <message>
        <source>Ball game</source>
        <translation>Ballsport</translation>
    </message>
    <message>
        <source>Slalom</source>
        <translation>Slalom</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Putzen</translation>
    </message>
    <message>
        <source>Climb stairs</source>
        <translation>Treppensteigen</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Neues Verzeichnis</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sind Sie sicher, dass Sie &apos;%1&apos; löschen möchten?</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Liste der Orte und Lesezeichen</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Zuletzt besucht</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gehe zum übergeordneten Verzeichnis</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Wechsle zu Listenansicht</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Wechsle zu Detailansicht</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Details einblenden...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Details ausblenden...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alles speichern</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ein, keine</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
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
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>ReadOnly</name>
    <message>
        <source>This diary is on a read-only medium, so it is only shown: nothing can be changed. To write in it, copy the folder %1 to a disk that can be written.</source>
        <translation>Dieses Tagebuch liegt auf einem schreibgeschützten Medium und wird daher nur angezeigt: Nichts kann geändert werden. Um darin zu schreiben, kopieren Sie den Ordner %1 auf einen beschreibbaren Datenträger.</translation>
    </message>
    <message>
        <source>You may read this diary but not write in it, so it is only shown. To write in it, ask for write permission on %1, or copy the folder.</source>
        <translation>Sie dürfen dieses Tagebuch lesen, aber nicht darin schreiben, daher wird es nur angezeigt. Um darin zu schreiben, bitten Sie um Schreibrechte für %1 oder kopieren Sie den Ordner.</translation>
    </message>
    <message>
        <source>The disk of this diary is full, so it is only shown: nothing can be changed until space is freed on the disk of %1. Then start Vesmira again.</source>
        <translation>Der Datenträger dieses Tagebuchs ist voll, daher wird es nur angezeigt: Nichts kann geändert werden, bis auf dem Datenträger von %1 Platz frei wird. Starten Sie Vesmira dann erneut.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Please write a name.</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Please write a name that can be used as a file name.</source>
        <translation>Bitte geben Sie einen Namen ein, der als Dateiname verwendet werden kann.</translation>
    </message>
    <message>
        <source>User already exists!</source>
        <translation>Der Benutzer ist bereits vorhanden!</translation>
    </message>
    <message>
        <source>Do you want to remove the chosen names?</source>
        <translation>Möchten Sie die ausgewählten Namen entfernen?</translation>
    </message>
</context>
<context>
    <name>Weighing</name>
    <message>
        <source>Not stored: a weighing is from %1 to %2 %3.</source>
        <translation>Nicht gespeichert: Eine Wägung liegt zwischen %1 und %2 %3.</translation>
    </message>
    <message>
        <source>The stored weight &quot;%1&quot; could not be read. It is kept as it is until you type a weight.</source>
        <translation>Das gespeicherte Gewicht &quot;%1&quot; konnte nicht gelesen werden. Es bleibt unverändert, bis Sie ein Gewicht eingeben.</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Measured change (%1)</source>
        <translation>Gemessene Änderung (%1)</translation>
    </message>
    <message>
        <source>Real consumption (kcal a day)</source>
        <translation>Realer Verbrauch (kcal/Tag)</translation>
    </message>
    <message>
        <source>weigh at least 6 times</source>
        <translation>mindestens 6-mal wiegen</translation>
    </message>
    <message>
        <source>log food on more days</source>
        <translation>mehr Esstage nötig</translation>
    </message>
    <message>
        <source>too uncertain yet</source>
        <translation>noch zu unsicher</translation>
    </message>
    <message>
        <source>check weighings</source>
        <translation>Wägungen prüfen</translation>
    </message>
</context>
<context>
    <name>vesmira::CAboutDialog</name>
    <message>
        <source>About Vesmira</source>
        <translation>Über Vesmira</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Vesmira developers</source>
        <translation>Copyright © 2026 die Vesmira-Entwickler</translation>
    </message>
    <message>
        <source>&amp;Home page: %1</source>
        <translation>&amp;Startseite: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vesmira::CDayKeeper</name>
    <message>
        <source>What you typed is kept beside the day as %1.</source>
        <translation>Ihre Eingabe liegt neben dem Tag als %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program while it was being saved. That version is kept beside the day as %2.</source>
        <translation>%1 wurde von einem anderen Programm geändert, während sie gespeichert wurde. Diese Fassung liegt neben dem Tag als %2.</translation>
    </message>
    <message>
        <source>%1 was changed by another program while you were typing.

Keep what you typed, or use the version on disk? The other version is kept beside the day as %2.</source>
        <translation>%1 wurde von einem anderen Programm geändert, während Sie getippt haben.

Ihre Eingabe behalten oder die Fassung auf dem Datenträger verwenden? Die andere Fassung liegt neben dem Tag als %2.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a day named in a message: d day, M month, y year</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>The diary of %1 for %2</source>
        <translation>Das Tagebuch von %1 für den %2</translation>
    </message>
</context>
<context>
    <name>vesmira::CDayQuestion</name>
    <message>
        <source>Keep My Typing</source>
        <translation>Meine Eingabe behalten</translation>
    </message>
    <message>
        <source>Use Version on Disk</source>
        <translation>Fassung auf dem Datenträger verwenden</translation>
    </message>
</context>
<context>
    <name>vesmira::CGraphDialog</name>
    <message>
        <source>Energy Graph</source>
        <translation>Energiediagramm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>vesmira::CImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>What the import &amp;changes:</source>
        <translation>&amp;Was der Import ändert:</translation>
    </message>
    <message>
        <source>&amp;Replace the values of the days the files cover</source>
        <translation>Werte der Tage, die die Dateien abdecken, &amp;ersetzen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>“%1” goes into:</source>
        <translation>„%1“ kommt zu:</translation>
    </message>
    <message>
        <source>kilograms (kg)</source>
        <translation>Kilogramm (kg)</translation>
    </message>
    <message>
        <source>pounds (lbs)</source>
        <translation>Pfund (lbs)</translation>
    </message>
    <message>
        <source>Weights without a &amp;unit are in:</source>
        <translation>Gewichte ohne Ein&amp;heit sind in:</translation>
    </message>
    <message>
        <source>day first (31/12/2026)</source>
        <translation>Tag zuerst (31/12/2026)</translation>
    </message>
    <message>
        <source>month first (12/31/2026)</source>
        <translation>Monat zuerst (12/31/2026)</translation>
    </message>
    <message>
        <source>&amp;Dates are written:</source>
        <translation>&amp;Datumsangaben:</translation>
    </message>
</context>
<context>
    <name>vesmira::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Day</source>
        <translation>Tag &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Benutzer</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>To &amp;HTML</source>
        <translation>Als &amp;HTML</translation>
    </message>
    <message>
        <source>To &amp;Data Sheet</source>
        <translation>Als &amp;Datentabelle</translation>
    </message>
    <message>
        <source>To &amp;Weight Sheet</source>
        <translation>Als &amp;Gewichtstabelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
</context>
<context>
    <name>vesmira::CPropertiesDialog</name>
    <message>
        <source>Energy consumeing by training [kcal/hour]</source>
        <translation>Energieverbrauch beim Training [kcal/Stunde]</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Normal energy consumption</source>
        <translation>Normaler Energieverbrauch</translation>
    </message>
    <message>
        <source>Target kcal level</source>
        <translation>kcal-Ziel</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Gewichtseinheit</translation>
    </message>
    <message>
        <source>Kilograms (kg)</source>
        <translation>Kilogramm (kg)</translation>
    </message>
    <message>
        <source>Pounds (lbs)</source>
        <translation>Pfund (lbs)</translation>
    </message>
</context>
<context>
    <name>vesmira::CSingleInstance</name>
    <message>
        <source>The lock file %1 cannot be made: access was denied.</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden: Der Zugriff wurde verweigert.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>vesmira::CTipsDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Do you want to visit %1 for a</source>
        <translation>Möchten Sie %1 besuchen, um einen</translation>
    </message>
    <message>
        <source>diet tip?</source>
        <translation>Ernährungstipp zu lesen?</translation>
    </message>
    <message>
        <source>Tip: weigh yourself in the morning and type the weight beside the date. After a few weeks of weighing and logging your food, Calculate shows the real consumption: the kcal a day your body really used, with the range it is sure to, and the weight change that goes with it. Until the data can carry a figure, the fields say what is missing. Compare the figure with the normal energy consumption in Properties.</source>
        <translation>Tipp: Wiegen Sie sich morgens und tragen Sie das Gewicht neben dem Datum ein. Nach einigen Wochen mit Wägungen und eingetragenem Essen zeigt Berechnen den tatsächlichen Verbrauch: die kcal pro Tag, die Ihr Körper wirklich verbraucht hat, mit ihrer Unsicherheit, und die zugehörige Gewichtsänderung. Solange die Daten für einen Wert nicht reichen, sagen die Felder, was fehlt. Vergleichen Sie den Wert mit dem normalen Energieverbrauch in den Eigenschaften.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>vesmira::CUsersDialog</name>
    <message>
        <source>Add/Remove User</source>
        <translation>Benutzer hinzufügen/entfernen</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Name of the user to add</source>
        <translation>Name des hinzuzufügenden Benutzers</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>vesmira::CVesmiraApp</name>
    <message>
        <source>This diary is open in Vesmira on the computer &quot;%1&quot;.

Close Vesmira there, then start it here again. If Vesmira no longer runs there, delete the file %2 and start again.</source>
        <translation>Dieses Tagebuch ist in Vesmira auf dem Rechner &quot;%1&quot; geöffnet.

Schließen Sie Vesmira dort und starten Sie es dann hier erneut. Läuft Vesmira dort nicht mehr, löschen Sie die Datei %2 und starten Sie erneut.</translation>
    </message>
    <message>
        <source>This diary is open in Vesmira under the account &quot;%1&quot; on this computer.

Close Vesmira there, then start it here again. The lock file is %2.</source>
        <translation>Dieses Tagebuch ist in Vesmira unter dem Konto &quot;%1&quot; auf diesem Rechner geöffnet.

Schließen Sie Vesmira dort und starten Sie es dann hier erneut. Die Sperrdatei ist %2.</translation>
    </message>
    <message>
        <source>This diary is open in Vesmira already, but that window does not answer. Close it, then start Vesmira again. If no Vesmira runs, delete the lock file %1 and start again.</source>
        <translation>Dieses Tagebuch ist bereits in Vesmira geöffnet, aber dieses Fenster antwortet nicht. Schließen Sie es und starten Sie Vesmira dann erneut. Läuft kein Vesmira, löschen Sie die Sperrdatei %1 und starten Sie erneut.</translation>
    </message>
</context>
<context>
    <name>vesmira::CVesmiraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>vesmira::CVesmiraView</name>
    <message>
        <source>Could not open properties file.</source>
        <translation>Die Eigenschaftendatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1

Close anyway? The day shown will not be saved.</source>
        <translation>%1

Trotzdem schließen? Der angezeigte Tag wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Welcome to Vesmira. Your diary has no user yet: choose Tools &gt; Users, type your name and press Add. Then the day is yours to fill in.</source>
        <translation>Willkommen bei Vesmira. Ihr Tagebuch hat noch keinen Benutzer: Wählen Sie Extras &gt; Benutzer, geben Sie Ihren Namen ein und drücken Sie Hinzufügen. Dann können Sie den Tag ausfüllen.</translation>
    </message>
</context>
</TS>
