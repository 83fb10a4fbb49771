<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Diary</name>
    <message>
        <source>&amp;Breakfast </source>
        <translation>&amp;Frukost </translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Frukost</translation>
    </message>
    <message>
        <source>S&amp;nack</source>
        <translation>&amp;Mellanmål</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Mellanmål</translation>
    </message>
    <message>
        <source>&amp;Lunch</source>
        <translation>&amp;Lunch</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Snac&amp;k</source>
        <translation>M&amp;ellanmål</translation>
    </message>
    <message>
        <source>Second snack</source>
        <translation>Andra mellanmålet</translation>
    </message>
    <message>
        <source>&amp;Dinner</source>
        <translation>Mi&amp;ddag</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Middag</translation>
    </message>
    <message>
        <source>S&amp;upper</source>
        <translation>Kvällsma&amp;t</translation>
    </message>
    <message>
        <source>Supper</source>
        <translation>Kvällsmat</translation>
    </message>
    <message>
        <source>Cycl&amp;ing</source>
        <translation>&amp;Cykling</translation>
    </message>
    <message>
        <source>&amp;Running</source>
        <translation>Lö&amp;pning</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Promenad</translation>
    </message>
    <message>
        <source>B&amp;odybuilding</source>
        <translation>St&amp;yrketräning</translation>
    </message>
    <message>
        <source>Rowing</source>
        <translation>Rodd</translation>
    </message>
    <message>
        <source>Swimming</source>
        <translation>Simning</translation>
    </message>
    <message>
        <source>Skiing</source>
        <translation>Längdskidor</translation>
    </message>
    <message>
        <source>Skating</source>
        <translation>Skridsko</translation>
    </message>
    <message>
        <source>Ball game</source>
        <translation>Bollsport</translation>
    </message>
    <message>
        <source>Slalom</source>
        <translation>Slalom</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Städning</translation>
    </message>
    <message>
        <source>Climb stairs</source>
        <translation>Trappgång</translation>
    </message>
    <message>
        <source>Other kcal consumption</source>
        <translation>Annan förbrukning (kcal)</translation>
    </message>
    <message>
        <source>Weight change (kg)</source>
        <translation>Viktförändring (kg)</translation>
    </message>
    <message>
        <source>Weight change (lbs)</source>
        <translation>Viktförändring (lbs)</translation>
    </message>
    <message>
        <source>Weight (kg)</source>
        <translation>Vikt (kg)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anteckning</translation>
    </message>
</context>
<context>
    <name>DiaryForm</name>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Vecka</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Månad</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Energy In (kcal)</source>
        <translation>Energi in (kcal)</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Webbplats</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Träning</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuter</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuter</translation>
    </message>
    <message>
        <source>%1 kcal</source>
        <translation>%1 kcal</translation>
    </message>
    <message>
        <source>Theoretical Result</source>
        <translation>Teoretiskt resultat</translation>
    </message>
    <message>
        <source>kcal change</source>
        <translation>kcal-förändring</translation>
    </message>
    <message>
        <source>kcal consumed by training</source>
        <translation>kcal förbrukade genom träning</translation>
    </message>
    <message>
        <source>kcal change %1</source>
        <translation>kcal-förändring %1</translation>
    </message>
    <message>
        <source>Weight change %1</source>
        <translation>Viktförändring %1</translation>
    </message>
    <message>
        <source>kcal consumed by training %1</source>
        <translation>kcal förbrukade genom träning %1</translation>
    </message>
    <message>
        <source>Measured change %1</source>
        <translation>Uppmätt förändring %1</translation>
    </message>
    <message>
        <source>Real consumption %1</source>
        <translation>Verklig förbrukning %1</translation>
    </message>
    <message>
        <source>Tr&amp;aining Graph</source>
        <translation>T&amp;räningsdiagram</translation>
    </message>
    <message>
        <source>Calorie &amp;Graph</source>
        <translation>Kal&amp;oridiagram</translation>
    </message>
    <message>
        <source>W&amp;eight Graph</source>
        <translation>V&amp;iktdiagram</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Beräkna</translation>
    </message>
    <message>
        <source>&amp;Monthly graph</source>
        <translation>Må&amp;nadsdiagram</translation>
    </message>
    <message>
        <source>&amp;Yearly graph</source>
        <translation>&amp;Årsdiagram</translation>
    </message>
    <message>
        <source>Result of the day</source>
        <translation>Dagens resultat</translation>
    </message>
    <message>
        <source>Energy In</source>
        <translation>Energi in</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>kcal left to use</source>
        <translation>kcal kvar att använda</translation>
    </message>
    <message>
        <source>Normal energy consumption</source>
        <translation>Normal energiförbrukning</translation>
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
        <translation>E&amp;genskaper</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>dd-MMM-yyyy</source>
        <comment>the date field&apos;s format: d day, M month, y year</comment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Vikt</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>Vi&amp;kt</translation>
    </message>
    <message>
        <source>User list</source>
        <translation>Användarlista</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Spara och stäng</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Spara och stäng</translation>
    </message>
    <message>
        <source>Diary note</source>
        <translation>Dagboksanteckning</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>Data sheet Files (*.xls)</source>
        <translation>Datablad (*.xls)</translation>
    </message>
    <message>
        <source>Data Files (*.xlc *.xls)</source>
        <translation>Datafiler (*.xlc *.xls)</translation>
    </message>
    <message>
        <source>Problem saving file. Try a new file name.</source>
        <translation>Filen kunde inte sparas. Försök med ett nytt filnamn.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 hittades inte.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 innehåller en ogiltig sökväg.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 kunde inte öppnas eftersom för många filer är öppna.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Åtkomst till %1 nekades.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Ett ogiltigt filhandtag var kopplat till %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 kunde inte tas bort eftersom det är den aktuella mappen.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 kunde inte skapas eftersom mappen är full.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Ett in/ut-fel i maskinvaran rapporterades vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Ett delningsfel uppstod vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Ett låsningsfel uppstod vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disken blev full vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Ett okänt fel uppstod vid åtkomst till %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 är ingen vanlig fil.</translation>
    </message>
    <message>
        <source>%1 is too large to be a file of the diary.</source>
        <translation>%1 är för stor för att vara en fil i dagboken.</translation>
    </message>
    <message>
        <source>%1 holds nothing this program can read. It was left as it is.</source>
        <translation>%1 innehåller inget som det här programmet kan läsa. Filen lämnades som den var.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 finns redan.</translation>
    </message>
    <message>
        <source>%1 is on a read-only file system.</source>
        <translation>%1 ligger på ett skrivskyddat filsystem.</translation>
    </message>
    <message>
        <source>%1 was changed by another program at every try to save it. What you typed is kept beside it as a copy whose name begins the same and holds &quot;conflict&quot;.</source>
        <translation>%1 ändrades av ett annat program vid varje försök att spara den. Det du skrev finns kvar bredvid den som en kopia vars namn börjar likadant och innehåller &quot;conflict&quot;.</translation>
    </message>
    <message>
        <source>%1 was changed by another program while it was open here. Nothing was written over it: open it again to see the new version.</source>
        <translation>%1 ändrades av ett annat program medan den var öppen här. Inget skrevs över den: öppna den igen för att se den nya versionen.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to a file that does not exist. Nothing was written; remove the link or restore its file.</source>
        <translation>%1 är en symbolisk länk till en fil som inte finns. Inget skrevs; ta bort länken eller återställ dess fil.</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) from %1 to %2</source>
        <translation>
            <numerusform>%n dag från %1 till %2</numerusform>
            <numerusform>%n dagar från %1 till %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: lowest %2, highest %3, latest %4</source>
        <translation>%1: lägst %2, högst %3, senast %4</translation>
    </message>
    <message>
        <source>No days</source>
        <translation>Inga dagar</translation>
    </message>
    <message>
        <source>%1: no weighing</source>
        <translation>%1: ingen vägning</translation>
    </message>
    <message>
        <source>Calorie Eaten</source>
        <translation>Ätna kalorier</translation>
    </message>
    <message>
        <source>Calorie consumption by training</source>
        <translation>Kaloriförbrukning genom träning</translation>
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
        <translation>Vikt och trend</translation>
    </message>
    <message numerus="yes">
        <source>No weighing in these %n day(s)</source>
        <translation>
            <numerusform>Ingen vägning den här %n dagen</numerusform>
            <numerusform>Ingen vägning de här %n dagarna</numerusform>
        </translation>
    </message>
    <message>
        <source>Weighing</source>
        <translation>Vägning</translation>
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
        <translation>Filen hittades inte – %1
Pröva hjälpen på nätet.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>(nothing)</source>
        <translation>(inget)</translation>
    </message>
    <message>
        <source>the diary&apos;s day cannot be read, so nothing is imported into it</source>
        <translation>dagboksdagen kan inte läsas, så inget importeras till den</translation>
    </message>
    <message>
        <source>The diary of %1: %2, %3.</source>
        <translation>Dagboken för %1: %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) change(s|)</source>
        <translation>
            <numerusform>%n dag ändras</numerusform>
            <numerusform>%n dagar ändras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) skipped</source>
        <translation>
            <numerusform>%n rad hoppas över</numerusform>
            <numerusform>%n rader hoppas över</numerusform>
        </translation>
    </message>
    <message>
        <source> (a new day)</source>
        <translation> (en ny dag)</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Överhoppat:</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, rad %2</translation>
    </message>
    <message>
        <source>changed by another program since the preview; not imported</source>
        <translation>ändrad av ett annat program efter förhandsvisningen; inte importerad</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD): &quot;%1&quot;</source>
        <translation>inget datum (ÅÅÅÅ-MM-DD): &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no number of %1: &quot;%2&quot;</source>
        <translation>inget tal för %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no weighing from 20 to 500 kg: %1 %2</source>
        <translation>ingen vägning mellan 20 och 500 kg: %1 %2</translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>kcal burned</source>
        <translation>förbrukade kcal</translation>
    </message>
    <message>
        <source>no weight unit kg or lbs: &quot;%1&quot;</source>
        <translation>ingen viktenhet kg eller lbs: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>vikt</translation>
    </message>
    <message>
        <source>no date: &quot;%1&quot;</source>
        <translation>inget datum: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no number of weight</source>
        <translation>inget tal för vikt</translation>
    </message>
    <message>
        <source>The weighings of %1 and %2 differ by more than 20 %: check the unit of the weights.</source>
        <translation>Vägningarna %1 och %2 skiljer sig med mer än 20 %: kontrollera viktenheten.</translation>
    </message>
    <message>
        <source>no format this program reads</source>
        <translation>inget format som det här programmet läser</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>kan inte öppna %1: filen finns inte</translation>
    </message>
    <message>
        <source>larger than 256 MiB</source>
        <translation>större än 256 MiB</translation>
    </message>
    <message>
        <source>cannot be unpacked</source>
        <translation>kan inte packas upp</translation>
    </message>
    <message>
        <source>packed in a way this program does not unpack</source>
        <translation>packad på ett sätt som det här programmet inte packar upp</translation>
    </message>
    <message>
        <source>not a zip archive, or a damaged one</source>
        <translation>inget zip-arkiv, eller ett skadat</translation>
    </message>
    <message>
        <source>a damaged zip archive</source>
        <translation>ett skadat zip-arkiv</translation>
    </message>
    <message>
        <source>Day total</source>
        <translation>Dagens summa</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>The diary has no user to import into yet: choose Tools &gt; Users, type your name and press Add.</source>
        <translation>Dagboken har ännu ingen användare att importera till: välj Verktyg &gt; Användare, skriv ditt namn och tryck på Lägg till.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>Exports of diaries and scales (*.csv *.txt *.zip)</source>
        <translation>Exporter från dagböcker och vågar (*.csv *.txt *.zip)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n day(s).</source>
        <translation>
            <numerusform>Importerade %n dag.</numerusform>
            <numerusform>Importerade %n dagar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n day(s) more.</source>
        <translation>
            <numerusform>... och %n dag till.</numerusform>
            <numerusform>... och %n dagar till.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message numerus="yes">
        <source>[This note is too long to edit here. It is shown broken into lines, without its last %n byte(s), and kept exactly as stored.]</source>
        <translation>
            <numerusform>[Den här anteckningen är för lång för att redigeras här. Den visas uppdelad i rader, utan sin sista %n byte, och sparas exakt som den lagrats.]</numerusform>
            <numerusform>[Den här anteckningen är för lång för att redigeras här. Den visas uppdelad i rader, utan sina sista %n byte, och sparas exakt som den lagrats.]</numerusform>
        </translation>
    </message>
    <message>
        <source>[This note is too long to edit here. It is shown broken into lines, and kept exactly as stored.]</source>
        <translation>[Den här anteckningen är för lång för att redigeras här. Den visas uppdelad i rader och sparas exakt som den lagrats.]</translation>
    </message>
</context>
<context>
    <name>ProductLinks</name>
    <message>
        <source>the Vesmira site</source>
        <translation>Vesmiras webbplats</translation>
    </message>
    <message>
        <source>Questions and ideas: dev@%1</source>
        <translation>Frågor och idéer: dev@%1</translation>
    </message>
    <message>
        <source>Vesmira help</source>
        <translation>Vesmira hjälp</translation>
    </message>
    <message>
        <source>the Vesmira pages</source>
        <translation>Vesmiras sidor</translation>
    </message>
    <message>
        <source>Questions and answers: Help &gt; Help</source>
        <translation>Frågor och svar: Hjälp &gt; Hjälp</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>Cycling</source>
        <translation>Cykling</translation>
    </message>
    <message>
        <source>Runing</source>
        <translation>Löpning</translation>
    </message>
    <message>
        <source>Walking</source>
        <translation>Promenad</translation>
    </message>
    <message>
        <source>Bodybuilding</source>
        <translation>Styrketräning</translation>
    </message>
    <message>
        <source>Rowing</source>
        <translation>Rodd</translation>
    </message>
    <message>
        <source>Swiming</source>
        <translation>Simning</translation>
    </message>
    <message>
        <source>Skiing</source>
        <translation>Längdskidor</translation>
    </message>
    <message>
        <source>Skate</source>
        <translation>Skridsko</translation>
    </message>
    <message>
        <source>Ball game</source>
        <translation>Bollsport</translation>
    </message>
    <message>
        <source>Slalom</source>
        <translation>Slalom</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Städning</translation>
    </message>
    <message>
        <source>Climb stairs</source>
        <translation>Trappgång</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Markera alla</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Leta i:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mapp</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Skapa en ny mapp</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Är du säker på att du vill ta bort &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidopanel</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista över platser och bokmärken</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Senaste platser</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tillbaka</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå framåt</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå till överordnad mapp</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Byt till listvy</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Byt till detaljvy</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Dator</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Visa detaljer...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Dölj detaljer...</translation>
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
        <translation>Spara</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Spara inte</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spara alla</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja till &amp;alla</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ej till alla</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
</context>
<context>
    <name>ReadOnly</name>
    <message>
        <source>This diary is on a read-only medium, so it is only shown: nothing can be changed. To write in it, copy the folder %1 to a disk that can be written.</source>
        <translation>Den här dagboken ligger på ett skrivskyddat medium, så den bara visas: inget kan ändras. För att skriva i den, kopiera mappen %1 till en disk som går att skriva på.</translation>
    </message>
    <message>
        <source>You may read this diary but not write in it, so it is only shown. To write in it, ask for write permission on %1, or copy the folder.</source>
        <translation>Du får läsa den här dagboken men inte skriva i den, så den bara visas. För att skriva i den, be om skrivrättighet till %1, eller kopiera mappen.</translation>
    </message>
    <message>
        <source>The disk of this diary is full, so it is only shown: nothing can be changed until space is freed on the disk of %1. Then start Vesmira again.</source>
        <translation>Disken för den här dagboken är full, så den bara visas: inget kan ändras förrän det frigjorts utrymme på disken för %1. Starta sedan Vesmira igen.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Please write a name.</source>
        <translation>Skriv ett namn.</translation>
    </message>
    <message>
        <source>Please write a name that can be used as a file name.</source>
        <translation>Skriv ett namn som kan användas som filnamn.</translation>
    </message>
    <message>
        <source>User already exists!</source>
        <translation>Användaren finns redan!</translation>
    </message>
    <message>
        <source>Do you want to remove the chosen names?</source>
        <translation>Vill du ta bort de valda namnen?</translation>
    </message>
</context>
<context>
    <name>Weighing</name>
    <message>
        <source>Not stored: a weighing is from %1 to %2 %3.</source>
        <translation>Inte sparad: en vägning ligger mellan %1 och %2 %3.</translation>
    </message>
    <message>
        <source>The stored weight &quot;%1&quot; could not be read. It is kept as it is until you type a weight.</source>
        <translation>Den sparade vikten &quot;%1&quot; kunde inte läsas. Den behålls som den är tills du skriver en vikt.</translation>
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
        <translation>Uppmätt förändring (%1)</translation>
    </message>
    <message>
        <source>Real consumption (kcal a day)</source>
        <translation>Verklig förbrukning (kcal/dag)</translation>
    </message>
    <message>
        <source>weigh at least 6 times</source>
        <translation>väg dig minst 6 gånger</translation>
    </message>
    <message>
        <source>log food on more days</source>
        <translation>skriv upp fler dagar</translation>
    </message>
    <message>
        <source>too uncertain yet</source>
        <translation>för osäkert ännu</translation>
    </message>
    <message>
        <source>check weighings</source>
        <translation>kontrollera vägningarna</translation>
    </message>
</context>
<context>
    <name>vesmira::CAboutDialog</name>
    <message>
        <source>About Vesmira</source>
        <translation>Om Vesmira</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Vesmira developers</source>
        <translation>Copyright © 2026 Vesmiras utvecklare</translation>
    </message>
    <message>
        <source>&amp;Home page: %1</source>
        <translation>&amp;Webbplats: %1</translation>
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
        <translation>Det du skrev finns kvar bredvid dagen som %1.</translation>
    </message>
    <message>
        <source>%1 was changed by another program while it was being saved. That version is kept beside the day as %2.</source>
        <translation>%1 ändrades av ett annat program medan den sparades. Den versionen finns kvar bredvid dagen som %2.</translation>
    </message>
    <message>
        <source>%1 was changed by another program while you were typing.

Keep what you typed, or use the version on disk? The other version is kept beside the day as %2.</source>
        <translation>%1 ändrades av ett annat program medan du skrev.

Behålla det du skrev, eller använda versionen på disken? Den andra versionen finns kvar bredvid dagen som %2.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a day named in a message: d day, M month, y year</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>The diary of %1 for %2</source>
        <translation>Dagboken för %1 den %2</translation>
    </message>
</context>
<context>
    <name>vesmira::CDayQuestion</name>
    <message>
        <source>Keep My Typing</source>
        <translation>Behåll det jag skrev</translation>
    </message>
    <message>
        <source>Use Version on Disk</source>
        <translation>Använd versionen på disken</translation>
    </message>
</context>
<context>
    <name>vesmira::CGraphDialog</name>
    <message>
        <source>Energy Graph</source>
        <translation>Energidiagram</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>vesmira::CImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>What the import &amp;changes:</source>
        <translation>&amp;Vad importen ändrar:</translation>
    </message>
    <message>
        <source>&amp;Replace the values of the days the files cover</source>
        <translation>&amp;Ersätt värdena för dagarna som filerna täcker</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>“%1” goes into:</source>
        <translation>”%1” hamnar i:</translation>
    </message>
    <message>
        <source>kilograms (kg)</source>
        <translation>kilogram (kg)</translation>
    </message>
    <message>
        <source>pounds (lbs)</source>
        <translation>pund (lbs)</translation>
    </message>
    <message>
        <source>Weights without a &amp;unit are in:</source>
        <translation>Vikter &amp;utan enhet är i:</translation>
    </message>
    <message>
        <source>day first (31/12/2026)</source>
        <translation>dag först (31/12/2026)</translation>
    </message>
    <message>
        <source>month first (12/31/2026)</source>
        <translation>månad först (12/31/2026)</translation>
    </message>
    <message>
        <source>&amp;Dates are written:</source>
        <translation>&amp;Datum skrivs:</translation>
    </message>
</context>
<context>
    <name>vesmira::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Save Day</source>
        <translation>&amp;Spara dag</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Verktyg</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusfält</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Användare</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importera...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>To &amp;HTML</source>
        <translation>Till &amp;HTML</translation>
    </message>
    <message>
        <source>To &amp;Data Sheet</source>
        <translation>Till &amp;datablad</translation>
    </message>
    <message>
        <source>To &amp;Weight Sheet</source>
        <translation>Till &amp;viktblad</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
</context>
<context>
    <name>vesmira::CPropertiesDialog</name>
    <message>
        <source>Energy consumeing by training [kcal/hour]</source>
        <translation>Energiförbrukning vid träning [kcal/timme]</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Egenskaper</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Normal energy consumption</source>
        <translation>Normal energiförbrukning</translation>
    </message>
    <message>
        <source>Target kcal level</source>
        <translation>Målnivå (kcal)</translation>
    </message>
    <message>
        <source>Weight unit</source>
        <translation>Viktenhet</translation>
    </message>
    <message>
        <source>Kilograms (kg)</source>
        <translation>Kilogram (kg)</translation>
    </message>
    <message>
        <source>Pounds (lbs)</source>
        <translation>Pund (lbs)</translation>
    </message>
</context>
<context>
    <name>vesmira::CSingleInstance</name>
    <message>
        <source>The lock file %1 cannot be made: access was denied.</source>
        <translation>Låsfilen %1 kan inte skapas: åtkomst nekades.</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be made.</source>
        <translation>Låsfilen %1 kan inte skapas.</translation>
    </message>
</context>
<context>
    <name>vesmira::CTipsDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Dagens tips</translation>
    </message>
    <message>
        <source>Do you want to visit %1 for a</source>
        <translation>Vill du besöka %1 för ett</translation>
    </message>
    <message>
        <source>diet tip?</source>
        <translation>kosttips?</translation>
    </message>
    <message>
        <source>Tip: weigh yourself in the morning and type the weight beside the date. After a few weeks of weighing and logging your food, Calculate shows the real consumption: the kcal a day your body really used, with the range it is sure to, and the weight change that goes with it. Until the data can carry a figure, the fields say what is missing. Compare the figure with the normal energy consumption in Properties.</source>
        <translation>Tips: väg dig på morgonen och skriv vikten bredvid datumet. Efter några veckor med vägningar och maten uppskriven visar Beräkna den verkliga förbrukningen: de kcal per dag som kroppen verkligen använde, med dess osäkerhet, och viktförändringen som hör till. Tills uppgifterna räcker till en siffra säger fälten vad som saknas. Jämför siffran med den normala energiförbrukningen i Egenskaper.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>vesmira::CUsersDialog</name>
    <message>
        <source>Add/Remove User</source>
        <translation>Lägg till/ta bort användare</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Användare</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>Name of the user to add</source>
        <translation>Namn på användaren som ska läggas till</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Namn:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
</context>
<context>
    <name>vesmira::CVesmiraApp</name>
    <message>
        <source>This diary is open in Vesmira on the computer &quot;%1&quot;.

Close Vesmira there, then start it here again. If Vesmira no longer runs there, delete the file %2 and start again.</source>
        <translation>Den här dagboken är öppen i Vesmira på datorn &quot;%1&quot;.

Stäng Vesmira där och starta det sedan här igen. Om Vesmira inte längre körs där, ta bort filen %2 och starta igen.</translation>
    </message>
    <message>
        <source>This diary is open in Vesmira under the account &quot;%1&quot; on this computer.

Close Vesmira there, then start it here again. The lock file is %2.</source>
        <translation>Den här dagboken är öppen i Vesmira under kontot &quot;%1&quot; på den här datorn.

Stäng Vesmira där och starta det sedan här igen. Låsfilen är %2.</translation>
    </message>
    <message>
        <source>This diary is open in Vesmira already, but that window does not answer. Close it, then start Vesmira again. If no Vesmira runs, delete the lock file %1 and start again.</source>
        <translation>Den här dagboken är redan öppen i Vesmira, men det fönstret svarar inte. Stäng det och starta sedan Vesmira igen. Om inget Vesmira körs, ta bort låsfilen %1 och starta igen.</translation>
    </message>
</context>
<context>
    <name>vesmira::CVesmiraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
</context>
<context>
    <name>vesmira::CVesmiraView</name>
    <message>
        <source>Could not open properties file.</source>
        <translation>Det gick inte att öppna egenskapsfilen.</translation>
    </message>
    <message>
        <source>%1

Close anyway? The day shown will not be saved.</source>
        <translation>%1

Stänga ändå? Den visade dagen sparas inte.</translation>
    </message>
    <message>
        <source>Welcome to Vesmira. Your diary has no user yet: choose Tools &gt; Users, type your name and press Add. Then the day is yours to fill in.</source>
        <translation>Välkommen till Vesmira. Din dagbok har ingen användare ännu: välj Verktyg &gt; Användare, skriv ditt namn och tryck på Lägg till. Sedan är dagen din att fylla i.</translation>
    </message>
</context>
</TS>
