<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>BodyCard</name>
    <message>
        <source>Diametro: %1 km</source>
        <translation>Diameter: %1 km</translation>
    </message>
    <message>
        <source>Periodo orbitale: %1 giorni</source>
        <translation>Orbital period: %1 days</translation>
    </message>
    <message>
        <source>Periodo di rotazione: %1 ore (retrogrado)</source>
        <translation>Rotation period: %1 hours (retrograde)</translation>
    </message>
    <message>
        <source>Periodo di rotazione: %1 ore</source>
        <translation>Rotation period: %1 hours</translation>
    </message>
    <message>
        <source>Distanza media dal Sole: %1 milioni di km</source>
        <translation>Mean distance from the Sun: %1 million km</translation>
    </message>
    <message>
        <source>Durata del giorno: %1 ore</source>
        <translation>Length of day: %1 hours</translation>
    </message>
    <message>
        <source>Inclinazione dell&apos;asse: %1°</source>
        <translation>Axial tilt: %1°</translation>
    </message>
    <message>
        <source>Periodo di rotazione: %1 ore (circa %2 giorni)</source>
        <translation>Rotation period: %1 hours (about %2 days)</translation>
    </message>
    <message>
        <source>Distanza media dalla Terra: %1 km</source>
        <translation>Mean distance from the Earth: %1 km</translation>
    </message>
    <message>
        <source>Luna di %1</source>
        <translation>Moon of %1</translation>
    </message>
    <message>
        <source>Distanza media dal pianeta: %1 km</source>
        <translation>Mean distance from the planet: %1 km</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Il sistema solare: the Sun, the planets and the Moon in motion.
Qt&apos;s standard options (-platform, -display, -style...) are taken too.</source>
        <translation>The Solar System (Il sistema solare): the Sun, the planets and the Moon in motion.
Qt&apos;s standard options (-platform, -display, -style...) are taken too.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Draw at most N frames per second instead of one per refresh of the screen; 0 draws as many as the machine can.</source>
        <translation>Draw at most N frames per second instead of one per refresh of the screen; 0 draws as many as the machine can.</translation>
    </message>
    <message>
        <source>Start with the planets where they stand at WHEN: an ISO 8601 date (2026-12-08) or date and time (2026-12-08T21:30:00Z; UTC unless a zone is given), from %1.</source>
        <translation>Start with the planets where they stand at WHEN: an ISO 8601 date (2026-12-08) or date and time (2026-12-08T21:30:00Z; UTC unless a zone is given), from %1.</translation>
    </message>
    <message>
        <source>Print the sky&apos;s events from FROM to TO (moments as --date takes them; a TO without a time means the end of that day, so &apos;--events 2027-01-01 2027-12-31&apos; is the whole year) and exit, without opening a window.</source>
        <translation>Print the sky&apos;s events from FROM to TO (moments as --date takes them; a TO without a time means the end of that day, so &apos;--events 2027-01-01 2027-12-31&apos; is the whole year) and exit, without opening a window.</translation>
    </message>
    <message>
        <source>The form of --events: csv (the default; RFC 4180, UTF-8) or ics (an iCalendar file, RFC 5545).</source>
        <translation>The form of --events: csv (the default; RFC 4180, UTF-8) or ics (an iCalendar file, RFC 5545).</translation>
    </message>
    <message>
        <source>Speak Italian (it) or English (en). By default the system&apos;s language, Italian when the program does not speak it.</source>
        <translation>Speak Italian (it) or English (en). By default the system&apos;s language, Italian when the program does not speak it.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1: %2. Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2. Try &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;</source>
        <translation>Unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes its value after a space, as in &apos;%1 %2&apos;</source>
        <translation>%1 takes its value after a space, as in &apos;%1 %2&apos;</translation>
    </message>
    <message>
        <source>--max-fps takes a whole number from 0 to %1, not &apos;%2&apos;</source>
        <translation>--max-fps takes a whole number from 0 to %1, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--format goes with --events</source>
        <translation>--format goes with --events</translation>
    </message>
    <message>
        <source>--events takes two moments, FROM and TO, as in &apos;--events 2027-01-01 2027-12-31&apos;</source>
        <translation>--events takes two moments, FROM and TO, as in &apos;--events 2027-01-01 2027-12-31&apos;</translation>
    </message>
    <message>
        <source>--format takes csv or ics, not &apos;%1&apos;</source>
        <translation>--format takes csv or ics, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--lang takes %1, not &apos;%2&apos;</source>
        <translation>--lang takes %1, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
    <message>
        <source>--events needs a TO later than its FROM, not &apos;%1&apos; to &apos;%2&apos;</source>
        <translation>--events needs a TO later than its FROM, not &apos;%1&apos; to &apos;%2&apos;</translation>
    </message>
    <message>
        <source>give YYYY-MM-DD or YYYY-MM-DDThh:mm[:ss] (UTC unless it ends in Z or +hh:mm/-hh:mm), from %1</source>
        <translation>give YYYY-MM-DD or YYYY-MM-DDThh:mm[:ss] (UTC unless it ends in Z or +hh:mm/-hh:mm), from %1</translation>
    </message>
    <message>
        <source>%1 needs a moment: %2</source>
        <translation>%1 needs a moment: %2</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a date: %3</source>
        <translation>%1 &apos;%2&apos; is not a date: %3</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is out of range: %3</source>
        <translation>%1 &apos;%2&apos; is out of range: %3</translation>
    </message>
</context>
<context>
    <name>Constellations</name>
    <message>
        <source>Andromeda</source>
        <translation>Andromeda</translation>
    </message>
    <message>
        <source>Macchina Pneumatica</source>
        <translation>Antlia</translation>
    </message>
    <message>
        <source>Uccello del Paradiso</source>
        <translation>Apus</translation>
    </message>
    <message>
        <source>Acquario</source>
        <translation>Aquarius</translation>
    </message>
    <message>
        <source>Aquila</source>
        <translation>Aquila</translation>
    </message>
    <message>
        <source>Altare</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Ariete</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Auriga</source>
        <translation>Auriga</translation>
    </message>
    <message>
        <source>Boote</source>
        <translation>Boötes</translation>
    </message>
    <message>
        <source>Bulino</source>
        <translation>Caelum</translation>
    </message>
    <message>
        <source>Giraffa</source>
        <translation>Camelopardalis</translation>
    </message>
    <message>
        <source>Cancro</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Cani da Caccia</source>
        <translation>Canes Venatici</translation>
    </message>
    <message>
        <source>Cane Maggiore</source>
        <translation>Canis Major</translation>
    </message>
    <message>
        <source>Cane Minore</source>
        <translation>Canis Minor</translation>
    </message>
    <message>
        <source>Capricorno</source>
        <translation>Capricornus</translation>
    </message>
    <message>
        <source>Carena</source>
        <translation>Carina</translation>
    </message>
    <message>
        <source>Cassiopea</source>
        <translation>Cassiopeia</translation>
    </message>
    <message>
        <source>Centauro</source>
        <translation>Centaurus</translation>
    </message>
    <message>
        <source>Cefeo</source>
        <translation>Cepheus</translation>
    </message>
    <message>
        <source>Balena</source>
        <translation>Cetus</translation>
    </message>
    <message>
        <source>Camaleonte</source>
        <translation>Chamaeleon</translation>
    </message>
    <message>
        <source>Compasso</source>
        <translation>Circinus</translation>
    </message>
    <message>
        <source>Colomba</source>
        <translation>Columba</translation>
    </message>
    <message>
        <source>Chioma di Berenice</source>
        <translation>Coma Berenices</translation>
    </message>
    <message>
        <source>Corona Australe</source>
        <translation>Corona Australis</translation>
    </message>
    <message>
        <source>Corona Boreale</source>
        <translation>Corona Borealis</translation>
    </message>
    <message>
        <source>Corvo</source>
        <translation>Corvus</translation>
    </message>
    <message>
        <source>Cratere</source>
        <translation>Crater</translation>
    </message>
    <message>
        <source>Croce del Sud</source>
        <translation>Crux</translation>
    </message>
    <message>
        <source>Cigno</source>
        <translation>Cygnus</translation>
    </message>
    <message>
        <source>Delfino</source>
        <translation>Delphinus</translation>
    </message>
    <message>
        <source>Dorado</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Dragone</source>
        <translation>Draco</translation>
    </message>
    <message>
        <source>Cavallino</source>
        <translation>Equuleus</translation>
    </message>
    <message>
        <source>Eridano</source>
        <translation>Eridanus</translation>
    </message>
    <message>
        <source>Fornace</source>
        <translation>Fornax</translation>
    </message>
    <message>
        <source>Gemelli</source>
        <translation>Gemini</translation>
    </message>
    <message>
        <source>Gru</source>
        <translation>Grus</translation>
    </message>
    <message>
        <source>Ercole</source>
        <translation>Hercules</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Horologium</translation>
    </message>
    <message>
        <source>Idra</source>
        <translation>Hydra</translation>
    </message>
    <message>
        <source>Idra Maschio</source>
        <translation>Hydrus</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Indus</translation>
    </message>
    <message>
        <source>Lucertola</source>
        <translation>Lacerta</translation>
    </message>
    <message>
        <source>Leone</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Leone Minore</source>
        <translation>Leo Minor</translation>
    </message>
    <message>
        <source>Lepre</source>
        <translation>Lepus</translation>
    </message>
    <message>
        <source>Bilancia</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Lupo</source>
        <translation>Lupus</translation>
    </message>
    <message>
        <source>Lince</source>
        <translation>Lynx</translation>
    </message>
    <message>
        <source>Lira</source>
        <translation>Lyra</translation>
    </message>
    <message>
        <source>Mensa</source>
        <translation>Mensa</translation>
    </message>
    <message>
        <source>Microscopio</source>
        <translation>Microscopium</translation>
    </message>
    <message>
        <source>Unicorno</source>
        <translation>Monoceros</translation>
    </message>
    <message>
        <source>Mosca</source>
        <translation>Musca</translation>
    </message>
    <message>
        <source>Regolo</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Ottante</source>
        <translation>Octans</translation>
    </message>
    <message>
        <source>Ofiuco</source>
        <translation>Ophiuchus</translation>
    </message>
    <message>
        <source>Orione</source>
        <translation>Orion</translation>
    </message>
    <message>
        <source>Pavone</source>
        <translation>Pavo</translation>
    </message>
    <message>
        <source>Pegaso</source>
        <translation>Pegasus</translation>
    </message>
    <message>
        <source>Perseo</source>
        <translation>Perseus</translation>
    </message>
    <message>
        <source>Fenice</source>
        <translation>Phoenix</translation>
    </message>
    <message>
        <source>Pittore</source>
        <translation>Pictor</translation>
    </message>
    <message>
        <source>Pesci</source>
        <translation>Pisces</translation>
    </message>
    <message>
        <source>Pesce Australe</source>
        <translation>Piscis Austrinus</translation>
    </message>
    <message>
        <source>Poppa</source>
        <translation>Puppis</translation>
    </message>
    <message>
        <source>Bussola</source>
        <translation>Pyxis</translation>
    </message>
    <message>
        <source>Reticolo</source>
        <translation>Reticulum</translation>
    </message>
    <message>
        <source>Freccia</source>
        <translation>Sagitta</translation>
    </message>
    <message>
        <source>Sagittario</source>
        <translation>Sagittarius</translation>
    </message>
    <message>
        <source>Scorpione</source>
        <translation>Scorpius</translation>
    </message>
    <message>
        <source>Scultore</source>
        <translation>Sculptor</translation>
    </message>
    <message>
        <source>Scudo</source>
        <translation>Scutum</translation>
    </message>
    <message>
        <source>Serpente</source>
        <translation>Serpens</translation>
    </message>
    <message>
        <source>Sestante</source>
        <translation>Sextans</translation>
    </message>
    <message>
        <source>Toro</source>
        <translation>Taurus</translation>
    </message>
    <message>
        <source>Telescopio</source>
        <translation>Telescopium</translation>
    </message>
    <message>
        <source>Triangolo</source>
        <translation>Triangulum</translation>
    </message>
    <message>
        <source>Triangolo Australe</source>
        <translation>Triangulum Australe</translation>
    </message>
    <message>
        <source>Tucano</source>
        <translation>Tucana</translation>
    </message>
    <message>
        <source>Orsa Maggiore</source>
        <translation>Ursa Major</translation>
    </message>
    <message>
        <source>Orsa Minore</source>
        <translation>Ursa Minor</translation>
    </message>
    <message>
        <source>Vele</source>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Vergine</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Pesce Volante</source>
        <translation>Volans</translation>
    </message>
    <message>
        <source>Volpetta</source>
        <translation>Vulpecula</translation>
    </message>
</context>
<context>
    <name>DateDialog</name>
    <message>
        <source>Vai alla data</source>
        <translation>Go to Date</translation>
    </message>
    <message>
        <source>Data e ora (UTC)</source>
        <translation>Date and time (UTC)</translation>
    </message>
    <message>
        <source>Data e ora (UTC):</source>
        <translation>Date and time (UTC):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EventFiles</name>
    <message>
        <source>Momento (UTC)</source>
        <translation>Time (UTC)</translation>
    </message>
    <message>
        <source>Evento</source>
        <translation>Event</translation>
    </message>
</context>
<context>
    <name>EventsDialog</name>
    <message>
        <source>Eventi del cielo</source>
        <translation>Sky Events</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Dal (UTC):</source>
        <translation>From (UTC):</translation>
    </message>
    <message>
        <source>Al (UTC):</source>
        <translation>To (UTC):</translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Avanzamento della ricerca</source>
        <translation>Progress of the search</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Data e ora (UTC)</source>
        <translation>Date and time (UTC)</translation>
    </message>
    <message>
        <source>Evento</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Eventi</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Esporta…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Il periodo è vuoto: la data «Al» deve venire dopo la data «Dal».</source>
        <translation>The period is empty: the “To” date must come after the “From” date.</translation>
    </message>
    <message>
        <source>Ricerca in corso…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>Ricerca annullata.</source>
        <translation>Search cancelled.</translation>
    </message>
    <message>
        <source>Nessun evento nel periodo.</source>
        <translation>No events in the period.</translation>
    </message>
    <message>
        <source>Eventi trovati: %1.</source>
        <translation>Events found: %1.</translation>
    </message>
    <message>
        <source>La ricerca non è riuscita: %1.</source>
        <translation>The search failed: %1.</translation>
    </message>
    <message>
        <source>Esporta gli eventi</source>
        <translation>Export the Events</translation>
    </message>
    <message>
        <source>Eventi del cielo %1.csv</source>
        <translation>Sky events %1.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>il nome deve finire in .csv o in .ics</source>
        <translation>the name must end in .csv or .ics</translation>
    </message>
    <message>
        <source>Non è stato possibile esportare gli eventi in &quot;%1&quot;: %2.</source>
        <translation>The events could not be exported to &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Salvato 1 evento in %1</source>
        <translation>Saved 1 event in %1</translation>
    </message>
    <message>
        <source>Salvati %1 eventi in %2</source>
        <translation>Saved %1 events in %2</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Aiuto</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tasti e comandi</source>
        <translation>Keys and Commands</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tasto o mouse</source>
        <translation>Key or mouse</translation>
    </message>
    <message>
        <source>Che cosa fa</source>
        <translation>What it does</translation>
    </message>
    <message>
        <source>Ingrandisce (Zoom)</source>
        <translation>Magnifies (Zoom)</translation>
    </message>
    <message>
        <source>Rimpicciolisce (Zoom)</source>
        <translation>Shrinks (Zoom)</translation>
    </message>
    <message>
        <source>Accelera (Velocità)</source>
        <translation>Faster (Speed)</translation>
    </message>
    <message>
        <source>Rallenta (Velocità)</source>
        <translation>Slower (Speed)</translation>
    </message>
    <message>
        <source>Sceglie %1</source>
        <translation>Chooses %1</translation>
    </message>
    <message>
        <source>Segue il corpo scelto</source>
        <translation>Follows the chosen body</translation>
    </message>
    <message>
        <source>Lascia il corpo scelto; in schermo intero, ne esce</source>
        <translation>Lets the chosen body go; in full screen, leaves it</translation>
    </message>
    <message>
        <source>Ruota la scena verso sinistra</source>
        <translation>Turns the scene to the left</translation>
    </message>
    <message>
        <source>Ruota la scena verso destra</source>
        <translation>Turns the scene to the right</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Puntare un corpo</source>
        <translation>Pointing at a body</translation>
    </message>
    <message>
        <source>Lo ferma sulla sua orbita e ne mostra la scheda</source>
        <translation>Stops it on its orbit and shows its card</translation>
    </message>
    <message>
        <source>Trascinare con il tasto sinistro</source>
        <translation>Dragging with the left button</translation>
    </message>
    <message>
        <source>Ruota e inclina la vista</source>
        <translation>Turns and tilts the view</translation>
    </message>
    <message>
        <source>Doppio clic su un corpo</source>
        <translation>Double click on a body</translation>
    </message>
    <message>
        <source>Lo segue al centro della vista</source>
        <translation>Follows it at the middle of the view</translation>
    </message>
    <message>
        <source>Doppio clic sul cielo</source>
        <translation>Double click on the sky</translation>
    </message>
    <message>
        <source>Torna alla vista iniziale</source>
        <translation>Goes back to the starting view</translation>
    </message>
    <message>
        <source>Rotella</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Ingrandisce o rimpicciolisce (Zoom)</source>
        <translation>Magnifies or shrinks (Zoom)</translation>
    </message>
    <message>
        <source>F11 o Esc per tornare alla finestra</source>
        <translation>F11 or Esc to go back to the window</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Il sistema solare %1&lt;/h3&gt;&lt;p&gt;Il Sole, i pianeti e la Luna in 3-D, in tempo reale o al momento che si sceglie.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Posizioni&lt;/b&gt;: libnova (teoria VSOP87 per i pianeti, ELP 2000-82B per la Luna), licenza GNU LGPL 2 o successiva. Poli e rotazioni: rapporto 2009 del gruppo di lavoro IAU sulle coordinate cartografiche e gli elementi di rotazione. Lune dei pianeti: J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;, capitoli 44 e 46, ed elementi orbitali medi del JPL.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Stelle e costellazioni&lt;/b&gt;: Bright Star Catalogue, 5ª edizione riveduta, e figure delle costellazioni, dai dati di xplanet, licenza GNU GPL 2 o successiva.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Immagini&lt;/b&gt; dei pianeti, della Luna e della Via Lattea: OpenUniverse, licenza GNU GPL 2 o successiva. La superficie del Sole è disegnata dal programma.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The Solar System %1&lt;/h3&gt;&lt;p&gt;The Sun, the planets and the Moon in 3-D, in real time or at the moment you choose.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Positions&lt;/b&gt;: libnova (the VSOP87 theory for the planets, ELP 2000-82B for the Moon), licence GNU LGPL 2 or later. Poles and rotations: the 2009 report of the IAU Working Group on Cartographic Coordinates and Rotational Elements. Planets&apos; moons: J. Meeus, &lt;i&gt;Astronomical Algorithms&lt;/i&gt;, chapters 44 and 46, and JPL&apos;s mean orbital elements.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Stars and constellations&lt;/b&gt;: the Bright Star Catalogue, 5th revised edition, and the constellation figures, from xplanet&apos;s data, licence GNU GPL 2 or later.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pictures&lt;/b&gt; of the planets, the Moon and the Milky Way: OpenUniverse, licence GNU GPL 2 or later. The Sun&apos;s surface is drawn by the program.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Locale</name>
    <message>
        <source>it</source>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Il sistema solare</source>
        <translation>The Solar System</translation>
    </message>
    <message>
        <source>Posizioni di oggi</source>
        <translation>Today&apos;s Positions</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Riprendi</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Indietro nel tempo</source>
        <translation>Backwards in Time</translation>
    </message>
    <message>
        <source>Vai alla data…</source>
        <translation>Go to Date…</translation>
    </message>
    <message>
        <source>Eventi del cielo…</source>
        <translation>Sky Events…</translation>
    </message>
    <message>
        <source>Adesso</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Velocità del tempo</source>
        <translation>Speed of Time</translation>
    </message>
    <message>
        <source>Più veloce</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Più lento</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Giorno dopo</source>
        <translation>Next Day</translation>
    </message>
    <message>
        <source>Giorno prima</source>
        <translation>Previous Day</translation>
    </message>
    <message>
        <source>Mese dopo</source>
        <translation>Next Month</translation>
    </message>
    <message>
        <source>Mese prima</source>
        <translation>Previous Month</translation>
    </message>
    <message>
        <source>Anno dopo</source>
        <translation>Next Year</translation>
    </message>
    <message>
        <source>Anno prima</source>
        <translation>Previous Year</translation>
    </message>
    <message>
        <source>Vista</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Salva immagine…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Copia immagine</source>
        <translation>Copy Picture</translation>
    </message>
    <message>
        <source>Nomi dei corpi</source>
        <translation>Names of the Bodies</translation>
    </message>
    <message>
        <source>Orbite vere</source>
        <translation>True Orbits</translation>
    </message>
    <message>
        <source>Vista iniziale</source>
        <translation>Initial View</translation>
    </message>
    <message>
        <source>Stelle</source>
        <translation>Stars</translation>
    </message>
    <message>
        <source>Costellazioni</source>
        <translation>Constellations</translation>
    </message>
    <message>
        <source>Via Lattea</source>
        <translation>Milky Way</translation>
    </message>
    <message>
        <source>Lune dei pianeti</source>
        <translation>Planets&apos; Moons</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Your System doesn&apos;t support High Resolutiom Timer!</source>
        <translation>Your System doesn&apos;t support High Resolution Timer!</translation>
    </message>
    <message>
        <source>Loading Texture File: &apos;%1&apos; Failed!</source>
        <translation>Loading Texture File: &apos;%1&apos; Failed!</translation>
    </message>
    <message>
        <source>OpenGL Initialization Failed!</source>
        <translation>OpenGL Initialization Failed!</translation>
    </message>
    <message>
        <source>Il sistema solare: cannot open a display; set DISPLAY to a running X server.
</source>
        <translation>The Solar System: cannot open a display; set DISPLAY to a running X server.
</translation>
    </message>
    <message>
        <source>Il sistema solare: cannot open a display; set WAYLAND_DISPLAY to a running Wayland compositor.
</source>
        <translation>The Solar System: cannot open a display; set WAYLAND_DISPLAY to a running Wayland compositor.
</translation>
    </message>
    <message>
        <source>Il sistema solare: lost the connection to the display &quot;%1&quot;; the program ends.
</source>
        <translation>The Solar System: lost the connection to the display &quot;%1&quot;; the program ends.
</translation>
    </message>
    <message>
        <source>Il sistema solare: senza ombre delle eclissi: %1
</source>
        <translation>The Solar System: without the shadows of eclipses: %1
</translation>
    </message>
    <message>
        <source>Non è stato possibile scrivere gli eventi: %1.
</source>
        <translation>The events could not be written: %1.
</translation>
    </message>
    <message>
        <source>Il sistema solare: traduzione &quot;%1&quot; non letta; i testi restano in italiano.
</source>
        <translation>The Solar System: translation &quot;%1&quot; not read; the texts stay in Italian.
</translation>
    </message>
    <message>
        <source>non è un&apos;immagine leggibile</source>
        <translation>not a readable image</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>il file non si può leggere</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>il file è troppo grande</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>troppe righe dalla riga %1</source>
        <translation>too many lines from line %1</translation>
    </message>
    <message>
        <source>la riga %1 non è valida</source>
        <translation>line %1 is not valid</translation>
    </message>
    <message>
        <source>il file non contiene dati</source>
        <translation>the file holds no data</translation>
    </message>
    <message>
        <source>Il sistema solare: catalogo delle stelle &quot;%1&quot; non letto (%2); le stelle non sono disponibili.
</source>
        <translation>The Solar System: star catalogue &quot;%1&quot; not read (%2); the stars are not available.
</translation>
    </message>
    <message>
        <source>Il sistema solare: figure delle costellazioni &quot;%1&quot; non lette (%2); le costellazioni non sono disponibili.
</source>
        <translation>The Solar System: constellation figures &quot;%1&quot; not read (%2); the constellations are not available.
</translation>
    </message>
    <message>
        <source>Il sistema solare: immagine della Via Lattea &quot;%1&quot; non letta (%2); la Via Lattea non è disponibile.
</source>
        <translation>The Solar System: Milky Way image &quot;%1&quot; not read (%2); the Milky Way is not available.
</translation>
    </message>
</context>
<context>
    <name>MomentEdit</name>
    <message>
        <source>d MMMM yyyy  HH:mm:ss</source>
        <translation>d MMMM yyyy  HH:mm:ss</translation>
    </message>
    <message>
        <source>Data non valida: «%1» (si scrive come «%2»).</source>
        <translation>Not a valid date: “%1” (write it as “%2”).</translation>
    </message>
    <message>
        <source>Data fuori dall&apos;intervallo calcolato, dal %2 al %3: «%1».</source>
        <translation>Date outside the computed span, from %2 to %3: “%1”.</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Il Sole e i pianeti del sistema solare</source>
        <translation>The Sun and the planets of the solar system</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Il Sole e i pianeti</source>
        <translation>The Sun and the planets</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Il sistema solare %1.png</source>
        <translation>The Solar System %1.png</translation>
    </message>
    <message>
        <source>il nome deve finire in .png</source>
        <translation>the name must end in .png</translation>
    </message>
    <message>
        <source>Il sistema solare %1 UTC.png</source>
        <translation>The Solar System %1 UTC.png</translation>
    </message>
</context>
<context>
    <name>Sky</name>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Sole</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Mercurio</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Venere</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Terra</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>Luna</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>Marte</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Giove</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturno</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Urano</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Nettuno</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Plutone</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Equinozi e solstizi</source>
        <translation>Equinoxes and solstices</translation>
    </message>
    <message>
        <source>Fasi della Luna</source>
        <translation>Phases of the Moon</translation>
    </message>
    <message>
        <source>Eclissi</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Opposizioni e congiunzioni col Sole</source>
        <translation>Oppositions and conjunctions with the Sun</translation>
    </message>
    <message>
        <source>Elongazioni massime</source>
        <translation>Greatest elongations</translation>
    </message>
    <message>
        <source>Congiunzioni tra pianeti</source>
        <translation>Conjunctions of planets</translation>
    </message>
    <message>
        <source>Congiunzioni con la Luna</source>
        <translation>Conjunctions with the Moon</translation>
    </message>
    <message>
        <source>Equinozio di marzo</source>
        <translation>March equinox</translation>
    </message>
    <message>
        <source>Solstizio di giugno</source>
        <translation>June solstice</translation>
    </message>
    <message>
        <source>Equinozio di settembre</source>
        <translation>September equinox</translation>
    </message>
    <message>
        <source>Solstizio di dicembre</source>
        <translation>December solstice</translation>
    </message>
    <message>
        <source>Luna nuova</source>
        <translation>New Moon</translation>
    </message>
    <message>
        <source>Primo quarto</source>
        <translation>First quarter</translation>
    </message>
    <message>
        <source>Luna piena</source>
        <translation>Full Moon</translation>
    </message>
    <message>
        <source>Ultimo quarto</source>
        <translation>Last quarter</translation>
    </message>
    <message>
        <source>Eclissi totale di Sole</source>
        <translation>Total solar eclipse</translation>
    </message>
    <message>
        <source>Eclissi anulare di Sole</source>
        <translation>Annular solar eclipse</translation>
    </message>
    <message>
        <source>Eclissi ibrida di Sole</source>
        <translation>Hybrid solar eclipse</translation>
    </message>
    <message>
        <source>Eclissi parziale di Sole</source>
        <translation>Partial solar eclipse</translation>
    </message>
    <message>
        <source>Eclissi totale di Luna</source>
        <translation>Total lunar eclipse</translation>
    </message>
    <message>
        <source>Eclissi parziale di Luna</source>
        <translation>Partial lunar eclipse</translation>
    </message>
    <message>
        <source>Eclissi penombrale di Luna</source>
        <translation>Penumbral lunar eclipse</translation>
    </message>
    <message>
        <source>Opposizione di %1</source>
        <translation>%1 at opposition</translation>
    </message>
    <message>
        <source>Congiunzione di %1 col Sole</source>
        <translation>%1 in conjunction with the Sun</translation>
    </message>
    <message>
        <source>Congiunzione inferiore di %1</source>
        <translation>%1 at inferior conjunction</translation>
    </message>
    <message>
        <source>Congiunzione superiore di %1</source>
        <translation>%1 at superior conjunction</translation>
    </message>
    <message>
        <source>Elongazione massima est di %1 (%2)</source>
        <translation>%1 at greatest eastern elongation (%2)</translation>
    </message>
    <message>
        <source>Elongazione massima ovest di %1 (%2)</source>
        <translation>%1 at greatest western elongation (%2)</translation>
    </message>
    <message>
        <source>Congiunzione %1–%2 (%3)</source>
        <translation>Conjunction of %1 and %2 (%3)</translation>
    </message>
    <message>
        <source>Congiunzione Luna–%1 (%2)</source>
        <translation>Conjunction of the Moon and %1 (%2)</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Ganimede</source>
        <translation>Ganymede</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Callisto</translation>
    </message>
    <message>
        <source>Mimas</source>
        <translation>Mimas</translation>
    </message>
    <message>
        <source>Encelado</source>
        <translation>Enceladus</translation>
    </message>
    <message>
        <source>Teti</source>
        <translation>Tethys</translation>
    </message>
    <message>
        <source>Dione</source>
        <translation>Dione</translation>
    </message>
    <message>
        <source>Rea</source>
        <translation>Rhea</translation>
    </message>
    <message>
        <source>Titano</source>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Iperione</source>
        <translation>Hyperion</translation>
    </message>
    <message>
        <source>Giapeto</source>
        <translation>Iapetus</translation>
    </message>
    <message>
        <source>Fobos</source>
        <translation>Phobos</translation>
    </message>
    <message>
        <source>Deimos</source>
        <translation>Deimos</translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation>Triton</translation>
    </message>
    <message>
        <source>Caronte</source>
        <translation>Charon</translation>
    </message>
</context>
<context>
    <name>SkyDate</name>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1 %2 UTC</source>
        <translation>%1 %2 UTC</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 (in pausa)</source>
        <translation>%1 (paused)</translation>
    </message>
    <message>
        <source>%1 ◀</source>
        <translation>%1 ◀</translation>
    </message>
</context>
<context>
    <name>SkyRate</name>
    <message>
        <source>Come la barra Velocità</source>
        <translation>As the Speed Bar</translation>
    </message>
    <message>
        <source>Tempo reale</source>
        <translation>Real Time</translation>
    </message>
    <message>
        <source>tempo reale</source>
        <translation>real time</translation>
    </message>
    <message>
        <source>1 minuto al secondo</source>
        <translation>1 Minute per Second</translation>
    </message>
    <message>
        <source>1 minuto/s</source>
        <translation>1 minute/s</translation>
    </message>
    <message>
        <source>1 ora al secondo</source>
        <translation>1 Hour per Second</translation>
    </message>
    <message>
        <source>1 ora/s</source>
        <translation>1 hour/s</translation>
    </message>
    <message>
        <source>1 giorno al secondo</source>
        <translation>1 Day per Second</translation>
    </message>
    <message>
        <source>1 giorno/s</source>
        <translation>1 day/s</translation>
    </message>
    <message>
        <source>1 settimana al secondo</source>
        <translation>1 Week per Second</translation>
    </message>
    <message>
        <source>1 settimana/s</source>
        <translation>1 week/s</translation>
    </message>
    <message>
        <source>1 mese al secondo</source>
        <translation>1 Month per Second</translation>
    </message>
    <message>
        <source>1 mese/s</source>
        <translation>1 month/s</translation>
    </message>
    <message>
        <source>1 anno al secondo</source>
        <translation>1 Year per Second</translation>
    </message>
    <message>
        <source>1 anno/s</source>
        <translation>1 year/s</translation>
    </message>
</context>
<context>
    <name>Stars</name>
    <message>
        <source>Sirio</source>
        <translation>Sirius</translation>
    </message>
    <message>
        <source>Canopo</source>
        <translation>Canopus</translation>
    </message>
    <message>
        <source>Arturo</source>
        <translation>Arcturus</translation>
    </message>
    <message>
        <source>Vega</source>
        <translation>Vega</translation>
    </message>
    <message>
        <source>Capella</source>
        <translation>Capella</translation>
    </message>
    <message>
        <source>Rigel</source>
        <translation>Rigel</translation>
    </message>
    <message>
        <source>Procione</source>
        <translation>Procyon</translation>
    </message>
    <message>
        <source>Achernar</source>
        <translation>Achernar</translation>
    </message>
    <message>
        <source>Betelgeuse</source>
        <translation>Betelgeuse</translation>
    </message>
    <message>
        <source>Hadar</source>
        <translation>Hadar</translation>
    </message>
    <message>
        <source>Altair</source>
        <translation>Altair</translation>
    </message>
    <message>
        <source>Acrux</source>
        <translation>Acrux</translation>
    </message>
    <message>
        <source>Aldebaran</source>
        <translation>Aldebaran</translation>
    </message>
    <message>
        <source>Antares</source>
        <translation>Antares</translation>
    </message>
    <message>
        <source>Spica</source>
        <translation>Spica</translation>
    </message>
    <message>
        <source>Polluce</source>
        <translation>Pollux</translation>
    </message>
    <message>
        <source>Fomalhaut</source>
        <translation>Fomalhaut</translation>
    </message>
    <message>
        <source>Deneb</source>
        <translation>Deneb</translation>
    </message>
    <message>
        <source>Mimosa</source>
        <translation>Mimosa</translation>
    </message>
    <message>
        <source>Regolo</source>
        <translation>Regulus</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Il sistema solare</source>
        <translation>The Solar System</translation>
    </message>
    <message>
        <source>Giù</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Sposta il quadro in basso</source>
        <translation>Pan the view down</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Sposta il quadro in alto</source>
        <translation>Pan the view up</translation>
    </message>
    <message>
        <source>Sinistra</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Sposta il quadro a sinistra</source>
        <translation>Pan the view left</translation>
    </message>
    <message>
        <source>Destra</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Sposta il quadro a destra</source>
        <translation>Pan the view right</translation>
    </message>
    <message>
        <source>Inclina su</source>
        <translation>Tilt up</translation>
    </message>
    <message>
        <source>Inclina il quadro verso l&apos;alto</source>
        <translation>Tilt the view upwards</translation>
    </message>
    <message>
        <source>Inclina giù</source>
        <translation>Tilt down</translation>
    </message>
    <message>
        <source>Inclina il quadro verso il basso</source>
        <translation>Tilt the view downwards</translation>
    </message>
    <message>
        <source>Visualizza le orbite</source>
        <translation>Show the orbits</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Spinning</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Quadro</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Prospettiva</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>Velocità</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Label2</source>
        <translation>Label2</translation>
    </message>
    <message>
        <source>Angolo della prospettiva: più stretto ingrandisce</source>
        <translation>Angle of the perspective: narrower magnifies</translation>
    </message>
    <message>
        <source>Velocità dell&apos;animazione</source>
        <translation>Speed of the animation</translation>
    </message>
    <message>
        <source>Vista del sistema solare</source>
        <translation>View of the solar system</translation>
    </message>
    <message>
        <source>Puntare un corpo lo seleziona; trascinare con il tasto sinistro ruota e inclina la vista; un doppio clic su un corpo lo segue, sul cielo vuoto torna alla vista iniziale; la rotella del mouse cambia lo zoom</source>
        <translation>Pointing at a body picks it; dragging with the left button turns and tilts the view; a double click on a body follows it, on the empty sky goes back to the initial view; the mouse wheel changes the zoom</translation>
    </message>
    <message>
        <source>Data del cielo</source>
        <translation>Date of the sky</translation>
    </message>
    <message>
        <source>L&apos;orologio di sistema segna %1: le posizioni dei pianeti si calcolano solo da %2 a %3.</source>
        <translation>The system clock reads %1: the planets&apos; positions are computed only from %2 to %3.</translation>
    </message>
    <message>
        <source>Il tempo si è fermato al %1: le posizioni dei pianeti si calcolano solo da %2 a %3.</source>
        <translation>Time has stopped at %1: the planets&apos; positions are computed only from %2 to %3.</translation>
    </message>
    <message>
        <source>Non è stato possibile leggere l&apos;immagine della vista.</source>
        <translation>The picture of the view could not be read.</translation>
    </message>
    <message>
        <source>Salva immagine</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>Immagini PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Non è stato possibile salvare l&apos;immagine &quot;%1&quot;: %2.</source>
        <translation>The picture &quot;%1&quot; could not be saved: %2.</translation>
    </message>
</context>
</TS>
