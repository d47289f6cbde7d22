<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Calendar</name>
    <message>
        <source>↑%1 ↓%2</source>
        <translation>↑%1 ↓%2</translation>
    </message>
    <message>
        <source>nessun luogo: senza sorgere e tramontare</source>
        <translation>no place: without rise and set</translation>
    </message>
    <message>
        <source>%1 · fuso orario %2 · %3</source>
        <translation>%1 · time zone %2 · %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Lu Ma Me Gi Ve Sa Do</source>
        <translation>Mo Tu We Th Fr Sa Su</translation>
    </message>
    <message>
        <source> (superluna)</source>
        <translation> (supermoon)</translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation>%1: %2%3</translation>
    </message>
    <message>
        <source>Perigeo: %1, %2 km%3</source>
        <translation>Perigee: %1, %2 km%3</translation>
    </message>
    <message>
        <source>Apogeo: %1, %2 km</source>
        <translation>Apogee: %1, %2 km</translation>
    </message>
    <message>
        <source>%1: %2, magnitudine %3</source>
        <translation>%1: %2, magnitude %3</translation>
    </message>
    <message>
        <source>Luna alle %1</source>
        <translation>Moon at %1</translation>
    </message>
    <message>
        <source>Perigeo</source>
        <translation>Perigee</translation>
    </message>
    <message>
        <source>La Luna a %1 km dalla Terra</source>
        <translation>The Moon %1 km from the Earth</translation>
    </message>
    <message>
        <source>Apogeo</source>
        <translation>Apogee</translation>
    </message>
    <message>
        <source>Magnitudine %1</source>
        <translation>Magnitude %1</translation>
    </message>
    <message>
        <source>Lunario %1</source>
        <translation>Lunar calendar %1</translation>
    </message>
    <message>
        <source>Lunario</source>
        <translation>Lunar calendar</translation>
    </message>
    <message>
        <source>Illuminata %1</source>
        <translation>%1 illuminated</translation>
    </message>
    <message>
        <source>crescente %1 %2</source>
        <translation>waxing %1 %2</translation>
    </message>
    <message>
        <source>calante %1 %2</source>
        <translation>waning %1 %2</translation>
    </message>
    <message>
        <source>★ superluna</source>
        <translation>★ supermoon</translation>
    </message>
    <message>
        <source>☉ eclissi di Sole</source>
        <translation>☉ solar eclipse</translation>
    </message>
    <message>
        <source>☾ eclissi di Luna</source>
        <translation>☾ lunar eclipse</translation>
    </message>
    <message>
        <source>Calendario islamico: %2 è il %1
</source>
        <translation>Islamic calendar: %2 is %1
</translation>
    </message>
    <message>
        <source>%1 alle %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>perigeo alle %1, %2 km</source>
        <translation>perigee at %1, %2 km</translation>
    </message>
    <message>
        <source>apogeo alle %1, %2 km</source>
        <translation>apogee at %1, %2 km</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1: manca il valore</source>
        <translation>%1: the value is missing</translation>
    </message>
    <message>
        <source>--hemisphere: %1 non va bene: serve north o south</source>
        <translation>--hemisphere: %1 will not do: it takes north or south</translation>
    </message>
</context>
<context>
    <name>Crescent</name>
    <message>
        <source>la falce si vede facilmente a occhio nudo</source>
        <translation>the crescent is easily visible to the naked eye</translation>
    </message>
    <message>
        <source>la falce si vede a occhio nudo in condizioni perfette</source>
        <translation>the crescent is visible to the naked eye in perfect conditions</translation>
    </message>
    <message>
        <source>può servire un binocolo per trovare la falce, poi si vede a occhio nudo</source>
        <translation>optical aid may be needed to find the crescent, then the naked eye sees it</translation>
    </message>
    <message>
        <source>la falce si vede solo con binocolo o telescopio</source>
        <translation>the crescent is visible only with binoculars or a telescope</translation>
    </message>
    <message>
        <source>la falce non si vede nemmeno con un telescopio</source>
        <translation>the crescent is not visible even with a telescope</translation>
    </message>
    <message>
        <source>la falce non si vede: è sotto il limite di Danjon</source>
        <translation>the crescent is not visible: it is below the Danjon limit</translation>
    </message>
    <message>
        <source>la falce si vede a occhio nudo</source>
        <translation>the crescent is visible to the naked eye</translation>
    </message>
    <message>
        <source>la falce si vede con binocolo o telescopio, forse a occhio nudo</source>
        <translation>the crescent is visible with binoculars or a telescope, perhaps to the naked eye</translation>
    </message>
    <message>
        <source>la falce non si vede</source>
        <translation>the crescent is not visible</translation>
    </message>
    <message>
        <source>%1: il Sole non tramonta</source>
        <translation>%1: the Sun does not set</translation>
    </message>
    <message>
        <source>%1: la Luna non tramonta nelle dodici ore dopo il Sole</source>
        <translation>%1: the Moon does not set within twelve hours of the Sun</translation>
    </message>
    <message>
        <source>%1: la Luna resta sotto l&apos;orizzonte: la falce non si vede (%2)</source>
        <translation>%1: the Moon stays below the horizon: the crescent is not visible (%2)</translation>
    </message>
    <message>
        <source>%1: la Luna tramonta prima del Sole, alle %2 (%3 min prima): la falce non si vede (%4)</source>
        <translation>%1: the Moon sets before the Sun, at %2 (%3 min before): the crescent is not visible (%4)</translation>
    </message>
    <message>
        <source>%1: %2 (%3), dalle %4, %5 sull&apos;orizzonte a %6</source>
        <translation>%1: %2 (%3), from %4, %5 above the horizon at %6</translation>
    </message>
    <message>
        <source>%1: %2 (%3); alle %4 la Luna è a %5 sull&apos;orizzonte, a %6</source>
        <translation>%1: %2 (%3); at %4 the Moon is %5 above the horizon, at %6</translation>
    </message>
    <message>
        <source>    tramonto del Sole %1, della Luna %2 (%3 min dopo); età %4 ore, %5 dal Sole</source>
        <translation>    sunset %1, moonset %2 (%3 min later); age %4 hours, %5 from the Sun</translation>
    </message>
    <message>
        <source>, meno dei %1 sotto i quali Odeh non trova falci viste</source>
        <translation>, less than the %1 below which Odeh finds no crescent seen</translation>
    </message>
    <message>
        <source>Luogo:         %1
</source>
        <translation>Place:         %1
</translation>
    </message>
    <message>
        <source>Luna nuova:    %1
</source>
        <translation>New moon:      %1
</translation>
    </message>
    <message>
        <source>Umm al-Qura:   il mese comincia %1 (%2)
</source>
        <translation>Umm al-Qura:   the month begins on %1 (%2)
</translation>
    </message>
    <message>
        <source>A vista:       la falce si vede la sera di %1: il mese comincerebbe il giorno dopo
</source>
        <translation>By sight:      the crescent is seen on the evening of %1: the month would begin the next day
</translation>
    </message>
    <message>
        <source>A vista:       la falce non si vede a occhio nudo in queste sere
</source>
        <translation>By sight:      the crescent is not seen with the naked eye on these evenings
</translation>
    </message>
    <message>
        <source>%1, dalle %2 (Yallop %3: %4)</source>
        <translation>%1, from %2 (Yallop %3: %4)</translation>
    </message>
    <message>
        <source>non a occhio nudo nelle sere dopo la luna nuova di %1</source>
        <translation>not to the naked eye on the evenings after the new moon of %1</translation>
    </message>
    <message>
        <source>Stasera dalle %1, %2 sull&apos;orizzonte a %3: %4 (Yallop %5)</source>
        <translation>Tonight from %1, %2 above the horizon at %3: %4 (Yallop %5)</translation>
    </message>
</context>
<context>
    <name>CrescentPage</name>
    <message>
        <source>La prima falce la sera di %1, secondo Yallop</source>
        <translation>The first crescent on the evening of %1, by Yallop</translation>
    </message>
    <message>
        <source>La prima falce la sera di %1, secondo Odeh</source>
        <translation>The first crescent on the evening of %1, by Odeh</translation>
    </message>
    <message>
        <source>Luna nuova: %1. Ogni luogo al suo momento migliore, sul suo tempo medio locale.</source>
        <translation>New moon: %1. Each place at its best time, on its local mean time.</translation>
    </message>
</context>
<context>
    <name>Eclipses</name>
    <message>
        <source>dalle %1 alle %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>eclissi penombrale di Luna</source>
        <translation>penumbral lunar eclipse</translation>
    </message>
    <message>
        <source>eclissi totale di Luna</source>
        <translation>total lunar eclipse</translation>
    </message>
    <message>
        <source>eclissi parziale di Luna</source>
        <translation>partial lunar eclipse</translation>
    </message>
    <message>
        <source>eclissi totale di Sole</source>
        <translation>total solar eclipse</translation>
    </message>
    <message>
        <source>eclissi anulare di Sole</source>
        <translation>annular solar eclipse</translation>
    </message>
    <message>
        <source>eclissi ibrida di Sole</source>
        <translation>hybrid solar eclipse</translation>
    </message>
    <message>
        <source>eclissi parziale di Sole</source>
        <translation>partial solar eclipse</translation>
    </message>
    <message>
        <source>%1  %2, magnitudine di penombra %3</source>
        <translation>%1  %2, penumbral magnitude %3</translation>
    </message>
    <message>
        <source>%1  %2, magnitudine %3</source>
        <translation>%1  %2, magnitude %3</translation>
    </message>
    <message>
        <source>parziale %1</source>
        <translation>partial %1</translation>
    </message>
    <message>
        <source>totale %1</source>
        <translation>total %1</translation>
    </message>
    <message>
        <source>penombra %1</source>
        <translation>penumbral %1</translation>
    </message>
    <message>
        <source>penombra</source>
        <translation>penumbral</translation>
    </message>
    <message>
        <source>parziale</source>
        <translation>partial</translation>
    </message>
    <message>
        <source>totale</source>
        <translation>total</translation>
    </message>
    <message>
        <source>; non visibile: la Luna è sotto l&apos;orizzonte</source>
        <translation>; not visible: the Moon is below the horizon</translation>
    </message>
    <message>
        <source>; visibile al massimo (fasi: %1)</source>
        <translation>; visible at greatest (phases seen: %1)</translation>
    </message>
    <message>
        <source>; non visibile al massimo, solo in parte (fasi: %1)</source>
        <translation>; not visible at greatest, only in part (phases seen: %1)</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>non visibile da qui</source>
        <translation>not visible from here</translation>
    </message>
    <message>
        <source>totale per %1</source>
        <translation>total for %1</translation>
    </message>
    <message>
        <source>anulare per %1</source>
        <translation>annular for %1</translation>
    </message>
    <message>
        <source>il Sole sorge e tramonta eclissato</source>
        <translation>the Sun rises and sets eclipsed</translation>
    </message>
    <message>
        <source>il Sole sorge eclissato, fine alle %1</source>
        <translation>the Sun rises eclipsed, ends at %1</translation>
    </message>
    <message>
        <source>dalle %1, il Sole tramonta eclissato</source>
        <translation>from %1, the Sun sets eclipsed</translation>
    </message>
    <message>
        <source>massimo alle %1 con il Sole alto %2°</source>
        <translation>greatest at %1 with the Sun %2° high</translation>
    </message>
    <message>
        <source>massimo alle %1 con il Sole sotto l&apos;orizzonte</source>
        <translation>greatest at %1 with the Sun below the horizon</translation>
    </message>
    <message>
        <source>da qui: %1, coperto %2 del Sole, %3, %4</source>
        <translation>from here: %1, %2 of the Sun covered, %3, %4</translation>
    </message>
    <message>
        <source>fase di penombra, magnitudine di penombra %1</source>
        <translation>penumbral phase, penumbral magnitude %1</translation>
    </message>
    <message>
        <source>fase parziale, magnitudine %1</source>
        <translation>partial phase, magnitude %1</translation>
    </message>
    <message>
        <source>totalità, magnitudine %1</source>
        <translation>totality, magnitude %1</translation>
    </message>
    <message>
        <source>fase anulare, magnitudine %1</source>
        <translation>annular phase, magnitude %1</translation>
    </message>
    <message>
        <source>%1 in corso: %2</source>
        <translation>%1 under way: %2</translation>
    </message>
    <message>
        <source>; da qui la Luna è sotto l&apos;orizzonte</source>
        <translation>; the Moon is below the horizon here</translation>
    </message>
    <message>
        <source>; da qui il Sole è sotto l&apos;orizzonte</source>
        <translation>; the Sun is below the horizon here</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 non è una data del calendario</source>
        <translation>%1 is not a day of the calendar</translation>
    </message>
    <message>
        <source>%1 non è un&apos;ora del giorno</source>
        <translation>%1 is not a time of day</translation>
    </message>
    <message>
        <source>%1 ha un fuso orario impossibile</source>
        <translation>%1 has an impossible time zone offset</translation>
    </message>
    <message>
        <source>%1 non è una data: serve now, AAAA-MM-GG o AAAA-MM-GGTHH:MM[:SS][Z|±HH:MM]</source>
        <translation>%1 is not a date: it takes now, YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS][Z|±HH:MM]</translation>
    </message>
    <message>
        <source>%1 è fuori dagli anni %2-%3</source>
        <translation>%1 is outside the years %2-%3</translation>
    </message>
    <message>
        <source>l&apos;anno %1 è fuori dagli anni %2-%3</source>
        <translation>the year %1 is outside the years %2-%3</translation>
    </message>
    <message>
        <source>%1: la latitudine va da -90 a 90</source>
        <translation>%1: the latitude runs from -90 to 90</translation>
    </message>
    <message>
        <source>%1: la longitudine va da -180 a 180</source>
        <translation>%1: the longitude runs from -180 to 180</translation>
    </message>
    <message>
        <source>%1: l&apos;altezza va da -500 a 9000 metri</source>
        <translation>%1: the height runs from -500 to 9000 metres</translation>
    </message>
    <message>
        <source>%1 è ambiguo: può essere %2</source>
        <translation>%1 is ambiguous: it may be %2</translation>
    </message>
    <message>
        <source>luogo sconosciuto %1</source>
        <translation>unknown place %1</translation>
    </message>
    <message>
        <source>luogo sconosciuto %1; forse %2</source>
        <translation>unknown place %1; perhaps %2</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>%1, dal fuso orario (%2)</source>
        <translation>%1, from the time zone (%2)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>lo %1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>l&apos;%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>il %1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>allo %1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>all&apos;%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>al %1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>dal %1</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>dall&apos;%1</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>al %1</source>
        <translation>to %1</translation>
    </message>
    <message>
        <source>all&apos;%1</source>
        <translation>to %1</translation>
    </message>
    <message>
        <source>%1 non va bene: serve una città, un fuso orario (Europe/Rome) o LAT,LON[,ALTEZZA] in gradi e metri (45.07,7.69 o 45,07 7,69 o 45,07; 7,69)</source>
        <translation>%1 will not do: it takes a city, a time zone (Europe/Rome) or LAT,LON[,HEIGHT] in degrees and metres (45.07,7.69 or 45,07 7,69 or 45,07; 7,69)</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>Elongazione:   %1°
</source>
        <translation>Elongation:    %1°
</translation>
    </message>
    <message>
        <source>Angolo:        %1 (il disegno, visto dall&apos;emisfero %2)
</source>
        <translation>Angle:         %1 (the picture, as seen from the %2)
</translation>
    </message>
    <message>
        <source>Fase:          %1
</source>
        <translation>Phase:         %1
</translation>
    </message>
    <message>
        <source>Illuminata:    %1%
</source>
        <translation>Illuminated:   %1%
</translation>
    </message>
    <message>
        <source>Età:           %1 giorni dalla luna nuova
</source>
        <translation>Age:           %1 days since the new moon
</translation>
    </message>
    <message>
        <source>Prossime fasi:
</source>
        <translation>Next phases:
</translation>
    </message>
    <message>
        <source> (superluna)</source>
        <translation> (supermoon)</translation>
    </message>
    <message>
        <source>Luogo:         nessuno: sorge, tramonta e il resto con --place
</source>
        <translation>Place:         none: rise, set and the rest with --place
</translation>
    </message>
    <message>
        <source>Luogo:         %1
</source>
        <translation>Place:         %1
</translation>
    </message>
    <message>
        <source>mai: sopra l&apos;orizzonte tutto il giorno</source>
        <translation>never: above the horizon all day</translation>
    </message>
    <message>
        <source>mai: sotto l&apos;orizzonte tutto il giorno</source>
        <translation>never: below the horizon all day</translation>
    </message>
    <message>
        <source>non in questo giorno</source>
        <translation>not on this day</translation>
    </message>
    <message>
        <source>Sorge:         %1
</source>
        <translation>Rises:         %1
</translation>
    </message>
    <message>
        <source>azimut %1</source>
        <translation>azimuth %1</translation>
    </message>
    <message>
        <source>Culmina:       %1
</source>
        <translation>Culminates:    %1
</translation>
    </message>
    <message>
        <source>altezza %1</source>
        <translation>altitude %1</translation>
    </message>
    <message>
        <source>Tramonta:      %1
</source>
        <translation>Sets:          %1
</translation>
    </message>
    <message>
        <source>Altezza:       %1, azimut %2
</source>
        <translation>Altitude:      %1, azimuth %2
</translation>
    </message>
    <message>
        <source>Distanza:      %1 km
</source>
        <translation>Distance:      %1 km
</translation>
    </message>
    <message>
        <source>Diametro:      %1′
</source>
        <translation>Diameter:      %1′
</translation>
    </message>
    <message>
        <source>Perigeo:       %1, %2 km%3
</source>
        <translation>Perigee:       %1, %2 km%3
</translation>
    </message>
    <message>
        <source>Apogeo:        %1, %2 km
</source>
        <translation>Apogee:        %1, %2 km
</translation>
    </message>
    <message>
        <source>Eclissi di Luna: %1
</source>
        <translation>Lunar eclipse: %1
</translation>
    </message>
    <message>
        <source>Eclissi di Sole: %1
</source>
        <translation>Solar eclipse: %1
</translation>
    </message>
    <message>
        <source>nessuna fino alla fine del 2100</source>
        <translation>none until the end of 2100</translation>
    </message>
    <message>
        <source>Nessun&apos;altra eclissi fino alla fine del %1.
</source>
        <translation>No more eclipses until the end of %1.
</translation>
    </message>
    <message>
        <source>Librazione:    %1 (il centro del disco)
</source>
        <translation>Libration:     %1 (the middle of the disc)
</translation>
    </message>
    <message>
        <source>Asse:          %1 (il polo nord, dal nord celeste di data verso est)
</source>
        <translation>Axis:          %1 (the north pole, from the celestial north of date through east)
</translation>
    </message>
    <message>
        <source>Colongitudine: %1 (il Sole è allo zenit a %2)
</source>
        <translation>Colongitude:   %1 (the Sun overhead at %2)
</translation>
    </message>
    <message>
        <source>nessun luogo con nome</source>
        <translation>no named feature</translation>
    </message>
    <message>
        <source>Sul terminatore: %1
</source>
        <translation>On the terminator: %1
</translation>
    </message>
    <message>
        <source>… (%1 in tutto)</source>
        <translation>… (%1 in all)</translation>
    </message>
    <message>
        <source>Sole:          sorge %1, tramonta %2; crepuscolo civile %3–%4, nautico %5–%6, astronomico %7–%8
</source>
        <translation>Sun:           rises %1, sets %2; civil twilight %3–%4, nautical %5–%6, astronomical %7–%8
</translation>
    </message>
    <message>
        <source>dalle %1 alle %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Luna al buio:  %1
</source>
        <translation>Dark-sky Moon: %1
</translation>
    </message>
    <message>
        <source>mai</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Luogo:         nessuno: sorge, tramonta e il resto con Luogo… (Ctrl+L)
</source>
        <translation>Place:         none: rise, set and the rest with Place… (Ctrl+L)
</translation>
    </message>
    <message>
        <source>  %1  %2%3
</source>
        <translation>  %1  %2%3
</translation>
    </message>
    <message>
        <source>Istante:       %1
</source>
        <translation>Instant:       %1
</translation>
    </message>
    <message>
        <source>Eclissi:       %1
</source>
        <translation>Eclipse:       %1
</translation>
    </message>
    <message>
        <source>Prima falce:   %1
</source>
        <translation>New crescent:  %1
</translation>
    </message>
    <message>
        <source>Calendario islamico: %1
</source>
        <translation>Islamic calendar: %1
</translation>
    </message>
    <message>
        <source>Sul terminatore: %1</source>
        <translation>On the terminator: %1</translation>
    </message>
</context>
<context>
    <name>NightPage</name>
    <message>
        <source>sorge %1, %2</source>
        <translation>rises %1, %2</translation>
    </message>
    <message>
        <source>tramonta %1, %2</source>
        <translation>sets %1, %2</translation>
    </message>
    <message>
        <source>La notte del %1</source>
        <translation>The night of %1</translation>
    </message>
    <message>
        <source>La notte del %1 — %2</source>
        <translation>The night of %1 — %2</translation>
    </message>
    <message>
        <source>giorno</source>
        <translation>day</translation>
    </message>
    <message>
        <source>crepuscolo civile</source>
        <translation>civil twilight</translation>
    </message>
    <message>
        <source>nautico</source>
        <translation>nautical</translation>
    </message>
    <message>
        <source>astronomico</source>
        <translation>astronomical</translation>
    </message>
    <message>
        <source>notte</source>
        <translation>night</translation>
    </message>
    <message>
        <source>Luna al buio</source>
        <translation>Moon in a dark sky</translation>
    </message>
</context>
<context>
    <name>OwnWindow</name>
    <message>
        <source>Scorrimento verticale</source>
        <translation>Vertical scrolling</translation>
    </message>
    <message>
        <source>Scorrimento orizzontale</source>
        <translation>Horizontal scrolling</translation>
    </message>
</context>
<context>
    <name>Phase</name>
    <message>
        <source>Luna nuova</source>
        <translation>New moon</translation>
    </message>
    <message>
        <source>Luna crescente</source>
        <translation>Waxing crescent</translation>
    </message>
    <message>
        <source>Primo quarto</source>
        <translation>First quarter</translation>
    </message>
    <message>
        <source>Gibbosa crescente</source>
        <translation>Waxing gibbous</translation>
    </message>
    <message>
        <source>Luna piena</source>
        <translation>Full moon</translation>
    </message>
    <message>
        <source>Gibbosa calante</source>
        <translation>Waning gibbous</translation>
    </message>
    <message>
        <source>Ultimo quarto</source>
        <translation>Last quarter</translation>
    </message>
    <message>
        <source>Luna calante</source>
        <translation>Waning crescent</translation>
    </message>
    <message>
        <source>sud</source>
        <translation>south</translation>
    </message>
    <message>
        <source>nord</source>
        <translation>north</translation>
    </message>
    <message>
        <source>%1, illuminata %2</source>
        <translation>%1, %2 illuminated</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>mai: sopra l&apos;orizzonte tutta la notte</source>
        <translation>never: above the horizon all night</translation>
    </message>
    <message>
        <source>mai: sotto l&apos;orizzonte tutta la notte</source>
        <translation>never: below the horizon all night</translation>
    </message>
    <message>
        <source>non in questa notte</source>
        <translation>not this night</translation>
    </message>
    <message>
        <source>Notte:         da %1 a %2
</source>
        <translation>Night:         from %1 to %2
</translation>
    </message>
    <message>
        <source>Luogo:         %1
</source>
        <translation>Place:         %1
</translation>
    </message>
    <message>
        <source>Luna:          %1, la più alta alle %2 (%3)
</source>
        <translation>Moon:          %1, highest at %2 (%3)
</translation>
    </message>
    <message>
        <source>Sorge:         %1
</source>
        <translation>Rises:         %1
</translation>
    </message>
    <message>
        <source>azimut %1</source>
        <translation>azimuth %1</translation>
    </message>
    <message>
        <source>Culmina:       %1
</source>
        <translation>Transits:      %1
</translation>
    </message>
    <message>
        <source>altezza %1</source>
        <translation>altitude %1</translation>
    </message>
    <message>
        <source>Tramonta:      %1
</source>
        <translation>Sets:          %1
</translation>
    </message>
    <message>
        <source>Ora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Luna: altezza</source>
        <translation>Moon: altitude</translation>
    </message>
    <message>
        <source>azimut</source>
        <translation>azimuth</translation>
    </message>
    <message>
        <source>Sole: altezza</source>
        <translation>Sun: altitude</translation>
    </message>
    <message>
        <source>giorno</source>
        <translation>day</translation>
    </message>
    <message>
        <source>ora d&apos;oro</source>
        <translation>golden hour</translation>
    </message>
    <message>
        <source>ora blu</source>
        <translation>blue hour</translation>
    </message>
    <message>
        <source>notte</source>
        <translation>night</translation>
    </message>
    <message>
        <source>%1, fino alle %2 %3: Sole sul dettaglio da %4 a %5, colongitudine %6, Luna alta fino a %7, %8</source>
        <translation>%1, until %2 %3: the Sun over the feature from %4 to %5, colongitude %6, the Moon up to %7, %8</translation>
    </message>
    <message>
        <source>%1: %2, %3 km
</source>
        <translation>%1: %2, %3 km
</translation>
    </message>
    <message>
        <source>Ora:           Sole sul dettaglio a %1%2, colongitudine %3
</source>
        <translation>Now:           the Sun over the feature at %1%2, colongitude %3
</translation>
    </message>
    <message>
        <source> (lì è notte)</source>
        <translation> (night there)</translation>
    </message>
    <message>
        <source>               dalla Terra si vede, a %1 dal centro del disco (90° al bordo)
</source>
        <translation>               seen from the Earth, %1 from the centre of the disc (90° at the limb)
</translation>
    </message>
    <message>
        <source>               ora è sull&apos;altra faccia, a %1 dal centro del disco (90° al bordo)
</source>
        <translation>               now on the far side, %1 from the centre of the disc (90° at the limb)
</translation>
    </message>
    <message>
        <source>Quando guardarlo (Sole da %1 a %2 sul dettaglio, cielo buio, Luna alta almeno %3):
</source>
        <translation>When to look (the Sun %1 to %2 over the feature, a dark sky, the Moon at least %3 up):
</translation>
    </message>
    <message>
        <source>%1  %2, %3 dal punto, Sole a %4 (%5), diametro %6′</source>
        <translation>%1  %2, %3 from the point, Sun at %4 (%5), diameter %6′</translation>
    </message>
    <message>
        <source>Il punto:      azimut %1, altezza %2, a %3 m
</source>
        <translation>The point:     azimuth %1, altitude %2, %3 m away
</translation>
    </message>
    <message>
        <source>La direzione:  azimut %1, altezza %2
</source>
        <translation>The direction: azimuth %1, altitude %2
</translation>
    </message>
    <message>
        <source>La Luna non passa mai di lì: quella direzione ha declinazione %1, la Luna non va oltre %2.
</source>
        <translation>The Moon never passes there: that direction has declination %1, and the Moon goes no further than %2.
</translation>
    </message>
    <message>
        <source>fino alla fine del %1</source>
        <translation>until the end of %1</translation>
    </message>
    <message>
        <source>nei prossimi %1 giorni</source>
        <translation>in the next %1 days</translation>
    </message>
    <message>
        <source>  mai %1
</source>
        <translation>  never %1
</translation>
    </message>
    <message>
        <source>La Luna non passa entro %1 da quella direzione %2.
</source>
        <translation>The Moon does not pass within %1 of that direction %2.
</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Serve un luogo: sceglierlo con Luogo… (Ctrl+L) nel menu della finestra.</source>
        <translation>This needs a place: choose one with Place… (Ctrl+L) in the window&apos;s menu.</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>La Luna di stasera nell&apos;area di notifica</source>
        <translation>Tonight&apos;s Moon in the notification area</translation>
    </message>
    <message>
        <source>Comincia ora; il massimo %1</source>
        <translation>It begins now; greatest %1</translation>
    </message>
    <message>
        <source>%1 — %2 %3</source>
        <translation>%1 — %2 %3</translation>
    </message>
    <message>
        <source>Comincia ora; %1</source>
        <translation>Beginning now; %1</translation>
    </message>
    <message>
        <source>La prima falce</source>
        <translation>The first crescent</translation>
    </message>
</context>
<context>
    <name>luna</name>
    <message>
        <source>argomento sconosciuto %1 (l&apos;uso: luna --help)</source>
        <translation>unknown argument %1 (usage: luna --help)</translation>
    </message>
    <message>
        <source>luna: Luna è già nell&apos;area di notifica
</source>
        <translation>luna: Luna is in the notification area already
</translation>
    </message>
    <message>
        <source>Uso: luna [--date QUANDO] [--hemisphere north|south] [--place LUOGO]
     luna --tray

Mostra la fase della Luna per l&apos;angolo scelto con la barra. Senza opzioni la
finestra si apre a 0, con il disegno vuoto.

Opzioni:
  --date QUANDO            apre la finestra sulla Luna di un istante: now,
                           AAAA-MM-GG (mezzanotte locale) o
                           AAAA-MM-GGTHH:MM[:SS] con Z, ±HH:MM o niente per
                           l&apos;ora locale; dal 1900 al 2100
  --hemisphere north|south l&apos;emisfero da cui si guarda (predefinito quello del
                           luogo, o north)
  --place LUOGO            il luogo: una città (Roma), LAT,LON[,ALTEZZA] in
                           gradi e metri, o un fuso orario (Europe/Rome);
                           predefinito quello del fuso orario
  --tray                   la Luna di stasera nell&apos;area di notifica, con un
                           avviso a ogni luna piena e nuova; dove il desktop
                           non mostra icone, solo gli avvisi
  -h, --help               mostra questo aiuto
  --version                mostra la versione

Accetta anche le opzioni di ogni programma Qt, come -style e -platform.

Esempi:
  luna --date now
  luna --date 2026-12-24T22:00 --hemisphere south
</source>
        <translation>Usage: luna [--date WHEN] [--hemisphere north|south] [--place PLACE]
       luna --tray

Shows the phase of the Moon for the angle chosen with the scroll bar. Without
options the window opens at 0, with an empty picture.

Options:
  --date WHEN              opens the window on the Moon of an instant: now,
                           YYYY-MM-DD (local midnight) or
                           YYYY-MM-DDTHH:MM[:SS] with Z, ±HH:MM or nothing for
                           local time; from 1900 to 2100
  --hemisphere north|south the hemisphere the Moon is seen from (default the
                           place&apos;s, or north)
  --place PLACE            the place: a city (Rome), LAT,LON[,HEIGHT] in
                           degrees and metres, or a time zone (Europe/Rome);
                           by default the time zone&apos;s
  --tray                   tonight&apos;s Moon in the panel&apos;s notification area,
                           with a notice at each full and new moon; where the
                           desktop shows no icons, the notices alone
  -h, --help               shows this help
  --version                shows the version

It also takes the options of every Qt program, such as -style and -platform.

Examples:
  luna --date now
  luna --date 2026-12-24T22:00 --hemisphere south
</translation>
    </message>
    <message>
        <source>luna: questo desktop non mostra icone nell&apos;area di notifica: Luna darà solo gli avvisi
</source>
        <translation>luna: this desktop shows no icons in its notification area: Luna will give its notices only
</translation>
    </message>
</context>
<context>
    <name>luna-render</name>
    <message>
        <source>impossibile scrivere «%1»: %2</source>
        <translation>cannot write “%1”: %2</translation>
    </message>
    <message>
        <source>memoria insufficiente per un&apos;immagine %1x%2</source>
        <translation>not enough memory for a %1x%2 picture</translation>
    </message>
    <message>
        <source>%1: la cartella %2 non esiste</source>
        <translation>%1: the folder %2 does not exist</translation>
    </message>
    <message>
        <source>%1: %2 non è una cartella</source>
        <translation>%1: %2 is not a folder</translation>
    </message>
    <message>
        <source>%1: nella cartella %2 non si può scrivere</source>
        <translation>%1: the folder %2 cannot be written to</translation>
    </message>
    <message>
        <source>opzione sconosciuta %1 (l&apos;elenco: luna-render --help)</source>
        <translation>unknown option %1 (the list: luna-render --help)</translation>
    </message>
    <message>
        <source>argomento in più %1: serve un angolo solo</source>
        <translation>extra argument %1: one angle only</translation>
    </message>
    <message>
        <source>--size: %1 non va bene: serve LARGHEZZAxALTEZZA, ogni lato da 1 a %2 pixel</source>
        <translation>--size: %1 will not do: it takes WIDTHxHEIGHT, each side from 1 to %2 pixels</translation>
    </message>
    <message>
        <source>--background: colore sconosciuto %1: serve un nome di colore, #rrggbb o transparent</source>
        <translation>--background: unknown colour %1: it takes a colour name, #rrggbb or transparent</translation>
    </message>
    <message>
        <source>--all disegna tutti gli angoli: togliere --date e --info</source>
        <translation>--all draws every angle: leave out --date and --info</translation>
    </message>
    <message>
        <source>--all disegna tutti gli angoli: togliere %1</source>
        <translation>--all draws every angle: leave out %1</translation>
    </message>
    <message>
        <source>--all scrive nella sua cartella: togliere -o</source>
        <translation>--all writes into its folder: leave out -o</translation>
    </message>
    <message>
        <source>--format: %1 non va bene: serve png o svg</source>
        <translation>--format: %1 will not do: it takes png or svg</translation>
    </message>
    <message>
        <source>--format vale solo con --all: con -o il formato segue l&apos;estensione</source>
        <translation>--format goes with --all only: with -o the format follows the extension</translation>
    </message>
    <message>
        <source>manca l&apos;angolo, o --date (l&apos;uso: luna-render --help)</source>
        <translation>the angle is missing, or --date (usage: luna-render --help)</translation>
    </message>
    <message>
        <source>l&apos;angolo %1 non è un numero finito di gradi</source>
        <translation>the angle %1 is not a finite number of degrees</translation>
    </message>
    <message>
        <source>--info descrive e non disegna: togliere -o</source>
        <translation>--info describes and does not draw: leave out -o</translation>
    </message>
    <message>
        <source>-o: %1 ha un&apos;estensione sconosciuta: serve .png o .svg</source>
        <translation>-o: %1 has an unknown extension: it takes .png or .svg</translation>
    </message>
    <message>
        <source>-o: %1 è una cartella</source>
        <translation>-o: %1 is a folder</translation>
    </message>
    <message>
        <source>--json vale solo con --info</source>
        <translation>--json goes with --info only</translation>
    </message>
    <message>
        <source>un angolo o --date, non tutti e due: togliere %1</source>
        <translation>an angle or --date, not both: leave out %1</translation>
    </message>
    <message>
        <source>interrotto: i file scritti fin qui sono interi, gli altri mancano</source>
        <translation>interrupted: the files written so far are whole, the others are missing</translation>
    </message>
    <message>
        <source>--all disegna tutti gli angoli: togliere --as-seen</source>
        <translation>--all draws every angle: leave out --as-seen</translation>
    </message>
    <message>
        <source>--as-seen mostra la Luna nel cielo di un luogo: serve --place (o un fuso orario con coordinate)</source>
        <translation>--as-seen shows the Moon in a place&apos;s sky: it takes --place (or a time zone with coordinates)</translation>
    </message>
    <message>
        <source>--as-seen mostra la Luna di un istante: serve --date</source>
        <translation>--as-seen shows the Moon of an instant: it takes --date</translation>
    </message>
    <message>
        <source>--as-seen vale per i disegni: togliere --info</source>
        <translation>--as-seen goes with pictures: leave out --info</translation>
    </message>
    <message>
        <source>--eclipses elenca le eclissi dopo --date: togliere %1</source>
        <translation>--eclipses lists the eclipses after --date: leave out %1</translation>
    </message>
    <message>
        <source>--eclipses elenca e non disegna: togliere -o, --info, --as-seen e --format</source>
        <translation>--eclipses lists and does not draw: leave out -o, --info, --as-seen and --format</translation>
    </message>
    <message>
        <source>--count: %1 non va bene: serve un numero da 1 a %2</source>
        <translation>--count: %1 will not do: it takes a number from 1 to %2</translation>
    </message>
    <message>
        <source>--kind: %1 non va bene: serve lunar, solar o all</source>
        <translation>--kind: %1 will not do: it takes lunar, solar or all</translation>
    </message>
    <message>
        <source>--eclipses elenca e non disegna: togliere --all</source>
        <translation>--eclipses lists and does not draw: leave out --all</translation>
    </message>
    <message>
        <source>--calendar: %1 non va bene: serve AAAA-MM o AAAA, dal %2 al %3</source>
        <translation>--calendar: %1 will not do: it takes YYYY-MM or YYYY, from %2 to %3</translation>
    </message>
    <message>
        <source>--calendar va da solo, con -o, --place e --hemisphere</source>
        <translation>--calendar goes alone, with -o, --place and --hemisphere</translation>
    </message>
    <message>
        <source>-o: %1 ha un&apos;estensione sconosciuta: serve .pdf, .svg, .png o .ics</source>
        <translation>-o: %1 has an unknown extension: it takes .pdf, .svg, .png or .ics</translation>
    </message>
    <message>
        <source>-o: manca il nome del file</source>
        <translation>-o: the file name is missing</translation>
    </message>
    <message>
        <source>--map è la mappa del volto: serve --face</source>
        <translation>--map is the face&apos;s map: it takes --face</translation>
    </message>
    <message>
        <source>--face disegna il volto: togliere --info</source>
        <translation>--face draws the face: leave out --info</translation>
    </message>
    <message>
        <source>--face disegna un&apos;immagine: serve -o FILE.png o FILE.svg</source>
        <translation>--face draws a picture: it takes -o FILE.png or FILE.svg</translation>
    </message>
    <message>
        <source>--map: %1 non è un&apos;immagine che si possa leggere</source>
        <translation>--map: %1 is not a picture that can be read</translation>
    </message>
    <message>
        <source>--face disegna un&apos;immagine sola: togliere --calendar, --eclipses e --all</source>
        <translation>--face draws one picture: leave out --calendar, --eclipses and --all</translation>
    </message>
    <message>
        <source>--visible: serve un luogo, con --place (il fuso orario non ne dà uno)</source>
        <translation>--visible: needs a place, with --place (the time zone gives none)</translation>
    </message>
    <message>
        <source>--days vale solo con --feature, --toward e --landmark</source>
        <translation>--days goes only with --feature, --toward and --landmark</translation>
    </message>
    <message>
        <source>--kind e --visible valgono solo con --eclipses, --count anche con --feature, --toward e --landmark</source>
        <translation>--kind and --visible go only with --eclipses, --count also with --feature, --toward and --landmark</translation>
    </message>
    <message>
        <source>--toward: l&apos;azimut %1 non va bene: serve da 0 a 360 gradi, da nord verso est</source>
        <translation>--toward: the azimuth %1 will not do: 0 to 360 degrees is needed, from north through east</translation>
    </message>
    <message>
        <source>--toward: l&apos;altezza %1 non va bene: serve da -90 a 90 gradi</source>
        <translation>--toward: the altitude %1 will not do: -90 to 90 degrees is needed</translation>
    </message>
    <message>
        <source>--toward: %1 non va bene: serve AZIMUT,ALTEZZA in gradi, come 135,20</source>
        <translation>--toward: %1 will not do: AZIMUTH,ALTITUDE in degrees is needed, such as 135,20</translation>
    </message>
    <message>
        <source>--landmark: il punto coincide con il luogo di --place: serve un punto lontano da chi guarda</source>
        <translation>--landmark: the point is the place of --place: a point away from the observer is needed</translation>
    </message>
    <message>
        <source>--landmark: il punto è nascosto dalla curvatura della Terra, a %1 km da chi guarda: dare le altezze in metri (LAT,LON,ALTEZZA) a --landmark e a --place</source>
        <translation>--landmark: the point is hidden by the curve of the Earth, %1 km from the observer: give the heights in metres (LAT,LON,HEIGHT) to --landmark and --place</translation>
    </message>
    <message>
        <source>--feature: nessun dettaglio della Luna si chiama %1 (i nomi dell&apos;IAU, come Copernicus o Mare Crisium)</source>
        <translation>--feature: no feature of the Moon is called %1 (the IAU&apos;s names, such as Copernicus or Mare Crisium)</translation>
    </message>
    <message>
        <source>--feature: nessun dettaglio della Luna si chiama %1: forse %2?</source>
        <translation>--feature: no feature of the Moon is called %1: perhaps %2?</translation>
    </message>
    <message>
        <source>--night, --feature, --toward e --landmark vanno uno alla volta</source>
        <translation>--night, --feature, --toward and --landmark go one at a time</translation>
    </message>
    <message>
        <source>%1 non serve qui: il giorno si dà con --date</source>
        <translation>%1 is not needed here: the day is given with --date</translation>
    </message>
    <message>
        <source>--night, --feature, --toward e --landmark vanno da soli, con --date, --place e --json (e -o per --night)</source>
        <translation>--night, --feature, --toward and --landmark go alone, with --date, --place and --json (and -o for --night)</translation>
    </message>
    <message>
        <source>serve un luogo, con --place (il fuso orario non ne dà uno)</source>
        <translation>a place is needed, with --place (the time zone gives none)</translation>
    </message>
    <message>
        <source>--night è una notte sola: togliere --count e --days</source>
        <translation>--night is a single night: remove --count and --days</translation>
    </message>
    <message>
        <source>--night con -o disegna il grafico: togliere --json</source>
        <translation>--night with -o draws the chart: remove --json</translation>
    </message>
    <message>
        <source>--feature, --toward e --landmark elencano e non disegnano: togliere -o, --size e --background</source>
        <translation>--feature, --toward and --landmark list and do not draw: remove -o, --size and --background</translation>
    </message>
    <message>
        <source>--days: %1 non va bene: serve un numero di giorni da 1 a %2</source>
        <translation>--days: %1 will not do: a number of days from 1 to %2 is needed</translation>
    </message>
    <message>
        <source>--crescent e --crescent-map vanno uno alla volta</source>
        <translation>--crescent and --crescent-map go one at a time</translation>
    </message>
    <message>
        <source>--crescent e --crescent-map vanno da soli, con --date, --place, --json (e --count per --crescent, -o, --size e --criterion per --crescent-map)</source>
        <translation>--crescent and --crescent-map go alone, with --date, --place, --json (and --count for --crescent, -o, --size and --criterion for --crescent-map)</translation>
    </message>
    <message>
        <source>--crescent elenca e non disegna: togliere -o, --size e --criterion (la mappa è --crescent-map)</source>
        <translation>--crescent lists and does not draw: remove -o, --size and --criterion (the map is --crescent-map)</translation>
    </message>
    <message>
        <source>--crescent-map è la mappa di una sera: togliere --count</source>
        <translation>--crescent-map is the map of one evening: remove --count</translation>
    </message>
    <message>
        <source>--criterion: %1 non va bene: serve yallop o odeh</source>
        <translation>--criterion: %1 will not do: it takes yallop or odeh</translation>
    </message>
    <message>
        <source>--crescent-map con --json dà la griglia: togliere -o e --size</source>
        <translation>--crescent-map with --json gives the grid: remove -o and --size</translation>
    </message>
    <message>
        <source>--crescent-map disegna una mappa: serve -o FILE.png o FILE.svg (o --json per la griglia)</source>
        <translation>--crescent-map draws a map: it needs -o FILE.png or FILE.svg (or --json for the grid)</translation>
    </message>
    <message>
        <source>--hijri vale solo con --calendar</source>
        <translation>--hijri only goes with --calendar</translation>
    </message>
    <message>
        <source>--criterion vale solo con --crescent-map</source>
        <translation>--criterion only goes with --crescent-map</translation>
    </message>
    <message>
        <source>Uso: luna-render [OPZIONI] ANGOLO
     luna-render [OPZIONI] --date QUANDO
     luna-render [OPZIONI] --all CARTELLA
     luna-render [OPZIONI] --eclipses
     luna-render [OPZIONI] --calendar AAAA-MM|AAAA
     luna-render --night|--feature NOME|--toward AZ,ALT|--landmark LAT,LON[,ALTEZZA] --place LUOGO
     luna-render --crescent --place LUOGO
     luna-render --crescent-map --date GIORNO -o FILE

Disegna la fase della Luna all&apos;angolo dato, in gradi, come la finestra di Luna:
a 0 tutta nera (luna nuova), a 90 illuminata la metà sinistra, a 180 tutta
bianca (luna piena), a 270 illuminata la metà destra. Senza -o la stampa come
testo, con il nome della fase. Con --date disegna la Luna vera di quell&apos;istante.

Opzioni:
  -o, --output FILE        scrive l&apos;immagine in FILE, .png o .svg
  --size LxA               larghezza e altezza in pixel (predefinite %1x%2,
                           come il disegno della finestra); il disco ha per
                           raggio un terzo della larghezza
  --background COLORE      nome di colore, #rrggbb o transparent
                           (predefinito il grigio della finestra, #8c8c8c)
  --all CARTELLA           tutto il ciclo, da luna-000.png a luna-359.png
  --format png|svg         il formato dei file di --all (predefinito png)
  --date QUANDO            la Luna di un istante: now, AAAA-MM-GG (mezzanotte
                           locale) o AAAA-MM-GGTHH:MM[:SS] con Z, ±HH:MM o
                           niente per l&apos;ora locale; dal 1900 al 2100
  --hemisphere north|south l&apos;emisfero da cui si guarda (predefinito quello del
                           luogo, o north): a nord la luna crescente è
                           illuminata a destra
  --place LUOGO            il luogo: una città (Roma, Monaco di Baviera,
                           &quot;Springfield, Illinois&quot;), LAT,LON[,ALTEZZA] in
                           gradi (nord ed est positivi) e metri, o un fuso
                           orario (Europe/Rome); predefinito quello del fuso
                           orario. Le ore sono quelle del fuso del luogo
  --info                   descrive la fase invece di disegnarla: con --date
                           anche l&apos;età, le prossime fasi e, con un luogo,
                           quando sorge e tramonta, dove sta, la distanza
  --as-seen                con --date, la Luna girata come sta nel cielo del
                           luogo: in alto lo zenit
  --eclipses               le prossime eclissi dopo --date (predefinito adesso),
                           fino al 2100; con un luogo, se si vedono di lì: una
                           di Luna è visibile se una sua fase qualunque, anche
                           solo la fine della penombra, avviene con la Luna
                           sopra l&apos;orizzonte (con --json anche
                           visible_at_greatest)
                           Di una di Sole, con un luogo, dice cosa se ne vede
                           di lì: i contatti con l&apos;altezza del Sole, quanto
                           ne resta coperto, se sorge o tramonta eclissato
                           (con --json l&apos;oggetto local)
  --visible                con --eclipses, solo quelle che si vedono dal luogo
  --count N                quante eclissi, da 1 a 1000, quante finestre e
                           passaggi, da 1 a 100 (predefinito 4), o quante lune
                           nuove, da 1 a 24
  --kind lunar|solar|all   quali eclissi (predefinito all)
  --calendar AAAA-MM|AAAA  il lunario di un mese o di un anno: senza -o come
                           testo; con -o FILE.pdf (una pagina A4 al mese),
                           .svg o .png (un file al mese, FILE-01 ...) o .ics
                           (le fasi, il perigeo e l&apos;apogeo, le eclissi per
                           un programma di calendario)
  --hijri                  con --calendar, la data del calendario islamico di
                           Umm al-Qura sotto ogni giorno, e nel testo dove
                           comincia ogni mese
  --face                   il volto vero della Luna invece del disegno: i mari
                           e i crateri girati dalla librazione, inclinati
                           dall&apos;asse e illuminati dal Sole, la notte nella luce
                           cinerea, l&apos;ombra della Terra nelle eclissi; con un
                           angolo, la librazione media e l&apos;asse in alto
  --map FILE               con --face, un&apos;altra mappa della Luna (equirettangolare,
                           longitudine da -180 a 180, nord in alto)
  --night                  la notte dopo il giorno di --date, da mezzogiorno a
                           mezzogiorno: il Sole, la Luna che sorge, culmina e
                           tramonta, quando è alta nel buio, ora per ora; con
                           -o FILE.png o .svg il grafico (predefinito 800x450)
  --feature NOME           un dettaglio della Luna (Copernicus, &quot;Mare Crisium&quot;):
                           il Sole lì adesso e le prossime --count finestre
                           buone da --place: Sole basso sul dettaglio (da 0,5°
                           a 10°), cielo buio (Sole 6° sotto l&apos;orizzonte),
                           Luna alta almeno 15°
  --toward AZ,ALT          una direzione del cielo (azimut da nord verso est,
                           altezza apparente): quando la Luna vi passa entro 1°
  --landmark LAT,LON[,ALTEZZA]
                           un punto sulla Terra (la cima di una cupola, di un
                           monte): quando la Luna gli sta dietro, visto da
                           --place (con l&apos;altezza di chi guarda, LAT,LON,ALTEZZA)
  --days GIORNI            quanto avanti cercare, da 1 a 3660 (predefinito 366)
  --crescent               la prima falce dopo le prossime --count lune nuove
                           (predefinito 2), sera per sera dal giorno della
                           congiunzione alla prima facile a occhio nudo (tre
                           al più), da --place: i criteri di Yallop (zone A-F)
                           e di Odeh (A-D) al momento migliore, e il primo
                           giorno del mese di Umm al-Qura
  --crescent-map           la mappa del mondo, da 60° S a 60° N, della sera di
                           --date: ogni luogo al suo momento migliore; con
                           -o FILE.png o .svg (predefinito 1440x720), o la
                           griglia ogni 2° con --json
  --criterion yallop|odeh  il criterio della mappa (predefinito yallop)
  --json                   con --info, --eclipses, --night, --feature, --toward,
                           --landmark, --crescent o --crescent-map, JSON per
                           gli script
  -h, --help               mostra questo aiuto
  --version                mostra la versione

Esempi:
  luna-render 90
  luna-render --date now --info --place Rome
  luna-render --date 2026-12-24T22:00 -o vigilia.png
  luna-render 135 -o gibbosa.png --size 512x512 --background transparent
  luna-render 45 -o falce.svg
  luna-render --date now --as-seen --place 45.07,7.69 -o stasera.png
  luna-render --date now --face -o volto.png --size 512x512
  luna-render --eclipses --kind lunar --count 10
  luna-render --eclipses --kind solar --visible --place Rome
  luna-render --calendar 2027 -o lunario-2027.pdf --place Rome
  mkdir fasi &amp;&amp; luna-render --all fasi --size 256x256
  luna-render --night --date 2027-03-20 --place Roma -o notte.png
  luna-render --feature Copernicus --place Roma
  luna-render --landmark 41.9022,12.4533,136 --place 41.8892,12.4922,60
  luna-render --crescent --place Roma
  luna-render --crescent-map --date 2027-02-08 -o falce.png

Le ore sono quelle degli orologi civili: il tempo universale prima del 1972,
poi UTC, e dopo l&apos;ultimo secondo intercalare (fine 2016) UTC senza altri.
Per la rotazione della Terra (sorgere, tramontare, altezza) vale UT1, dal
Delta T di Espenak e Meeus dove la tabella dei secondi intercalari non arriva.

Esce con 0 se tutto va bene, 2 se gli argomenti non vanno, 1 se non riesce a
scrivere.
</source>
        <translation>Usage: luna-render [OPTIONS] ANGLE
       luna-render [OPTIONS] --date WHEN
       luna-render [OPTIONS] --all FOLDER
       luna-render [OPTIONS] --eclipses
       luna-render [OPTIONS] --calendar YYYY-MM|YYYY
       luna-render --night|--feature NAME|--toward AZ,ALT|--landmark LAT,LON[,HEIGHT] --place PLACE
       luna-render --crescent --place PLACE
       luna-render --crescent-map --date DAY -o FILE

Draws the phase of the Moon at the given angle, in degrees, as Luna&apos;s window
does: all black at 0 (new moon), the left half lit at 90, all white at 180
(full moon), the right half lit at 270. Without -o it prints it as text, with
the name of the phase. With --date it draws the real Moon of that instant.

Options:
  -o, --output FILE        writes the picture into FILE, .png or .svg
  --size WxH               width and height in pixels (default %1x%2, as the
                           window&apos;s picture); the disc&apos;s radius is a third of
                           the width
  --background COLOUR      a colour name, #rrggbb or transparent
                           (default the window&apos;s grey, #8c8c8c)
  --all FOLDER             the whole cycle, from luna-000.png to luna-359.png
  --format png|svg         the format of the files of --all (default png)
  --date WHEN              the Moon of an instant: now, YYYY-MM-DD (local
                           midnight) or YYYY-MM-DDTHH:MM[:SS] with Z, ±HH:MM
                           or nothing for local time; from 1900 to 2100
  --hemisphere north|south the hemisphere the Moon is seen from (default the
                           place&apos;s, or north): in the north the waxing Moon is
                           lit on the right
  --place PLACE            the place: a city (Rome, Munich,
                           &quot;Springfield, Illinois&quot;), LAT,LON[,HEIGHT] in
                           degrees (north and east positive) and metres, or a
                           time zone (Europe/Rome); by default the time zone&apos;s.
                           Times are those of the place&apos;s zone
  --info                   describes the phase instead of drawing it: with
                           --date also the age, the next phases and, with a
                           place, when it rises and sets, where it stands, how
                           far it is
  --as-seen                with --date, the Moon turned as it stands in the
                           place&apos;s sky: the zenith at the top
  --eclipses               the next eclipses after --date (default now), until
                           2100; with a place, whether they are seen from there:
                           a lunar one is seen when any of its phases, even
                           the end of the penumbral one alone, happens with
                           the Moon above the horizon (with --json also
                           visible_at_greatest)
                           For a solar one, with a place, what is seen of it
                           there: the contacts with the Sun&apos;s altitude, how
                           much of it is covered, whether it rises or sets
                           eclipsed (with --json the local object)
  --visible                with --eclipses, only those seen from the place
  --count N                how many eclipses, from 1 to 1000, how many windows
                           and passes, from 1 to 100 (default 4), or how many
                           new moons, from 1 to 24
  --kind lunar|solar|all   which eclipses (default all)
  --calendar YYYY-MM|YYYY  the lunar calendar of a month or a year: without -o
                           as text; with -o FILE.pdf (an A4 page a month),
                           .svg or .png (a file a month, FILE-01 ...) or .ics
                           (the phases, perigee and apogee, the eclipses for a
                           calendar program)
  --hijri                  with --calendar, the date of the Umm al-Qura Islamic
                           calendar under each day, and in the text where each
                           of its months begins
  --face                   the Moon&apos;s real face instead of the drawing: the
                           seas and craters turned by the libration, tilted by
                           the axis and lit by the Sun, the night in
                           earthshine, the Earth&apos;s shadow in eclipses; with an
                           angle, the mean libration and the axis up
  --map FILE               with --face, another map of the Moon
                           (equirectangular, longitude from -180 to 180, north
                           up)
  --night                  the night after the day of --date, from noon to
                           noon: the Sun, the Moon rising, transiting and
                           setting, when it is up in a dark sky, hour by hour;
                           with -o FILE.png or .svg the chart (default 800x450)
  --feature NAME           a feature of the Moon (Copernicus, &quot;Mare Crisium&quot;):
                           the Sun there now and the next --count good windows
                           from --place: a low Sun over the feature (0.5° to
                           10°), a dark sky (the Sun 6° below the horizon), the
                           Moon at least 15° up
  --toward AZ,ALT          a direction in the sky (azimuth from north through
                           east, apparent altitude): when the Moon passes
                           within 1° of it
  --landmark LAT,LON[,HEIGHT]
                           a point on the Earth (the top of a dome, of a
                           mountain): when the Moon stands behind it, seen
                           from --place (with the observer&apos;s height,
                           LAT,LON,HEIGHT)
  --days DAYS              how far ahead to search, from 1 to 3660 (default 366)
  --crescent               the first crescent after the next --count new moons
                           (default 2), evening by evening from the day of the
                           conjunction to the first easy to the naked eye
                           (three at most), from --place: Yallop&apos;s criterion
                           (zones A-F) and Odeh&apos;s (A-D) at the best time, and
                           the first day of the Umm al-Qura month
  --crescent-map           the map of the world, from 60° S to 60° N, on the
                           evening of --date: each place at its best time; with
                           -o FILE.png or .svg (default 1440x720), or the grid
                           every 2° with --json
  --criterion yallop|odeh  the map&apos;s criterion (default yallop)
  --json                   with --info, --eclipses, --night, --feature, --toward,
                           --landmark, --crescent or --crescent-map, JSON for
                           scripts
  -h, --help               shows this help
  --version                shows the version

Examples:
  luna-render 90
  luna-render --date now --info --place Rome
  luna-render --date 2026-12-24T22:00 -o christmas-eve.png
  luna-render 135 -o gibbous.png --size 512x512 --background transparent
  luna-render 45 -o crescent.svg
  luna-render --date now --as-seen --place 45.07,7.69 -o tonight.png
  luna-render --date now --face -o face.png --size 512x512
  luna-render --eclipses --kind lunar --count 10
  luna-render --eclipses --kind solar --visible --place Rome
  luna-render --calendar 2027 -o lunar-calendar-2027.pdf --place Rome
  mkdir phases &amp;&amp; luna-render --all phases --size 256x256
  luna-render --night --date 2027-03-20 --place Rome -o night.png
  luna-render --feature Copernicus --place Rome
  luna-render --landmark 41.9022,12.4533,136 --place 41.8892,12.4922,60
  luna-render --crescent --place Rome
  luna-render --crescent-map --date 2027-02-08 -o crescent.png

Times are those of civil clocks: Universal Time before 1972, then UTC, and
after the last leap second (the end of 2016) UTC without further ones. The
Earth&apos;s rotation (rise, set, altitude) takes UT1, from Espenak and Meeus&apos;s
Delta T where the table of leap seconds does not reach.

Exits with 0 when all goes well, 2 when the arguments will not do, 1 when it
cannot write.
</translation>
    </message>
</context>
<context>
    <name>luna::AlignmentDialog</name>
    <message>
        <source>Allineamento</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Un punto sulla Terra: LAT,LON,ALTEZZA</source>
        <translation>A point on the Earth: LAT,LON,HEIGHT</translation>
    </message>
    <message>
        <source>Una direzione del cielo: AZIMUT,ALTEZZA</source>
        <translation>A direction in the sky: AZIMUTH,ALTITUDE</translation>
    </message>
    <message>
        <source>Che cosa</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Il punto o la direzione</source>
        <translation>The point or the direction</translation>
    </message>
    <message>
        <source>&amp;Cerca</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>I passaggi della Luna</source>
        <translation>The Moon&apos;s passes</translation>
    </message>
    <message>
        <source>&amp;Che cosa:</source>
        <translation>&amp;What:</translation>
    </message>
    <message>
        <source>&amp;Dove:</source>
        <translation>&amp;Where:</translation>
    </message>
    <message>
        <source>Una direzione si scrive AZIMUT,ALTEZZA in gradi: l&apos;azimut da 0 a 360, da nord verso est, l&apos;altezza da -90 a 90, come 294,1.2</source>
        <translation>A direction is written AZIMUTH,ALTITUDE in degrees: the azimuth from 0 to 360, from north through east, the altitude from -90 to 90, such as 294,1.2</translation>
    </message>
    <message>
        <source>Il punto coincide con il luogo: serve un punto lontano da chi guarda.</source>
        <translation>The point is the place itself: a point away from the observer is needed.</translation>
    </message>
    <message>
        <source>Il punto è nascosto dalla curvatura della Terra, a %1 km: dare le altezze in metri, del punto (LAT,LON,ALTEZZA) e del luogo.</source>
        <translation>The point is hidden by the curve of the Earth, %1 km away: give the heights in metres, of the point (LAT,LON,HEIGHT) and of the place.</translation>
    </message>
</context>
<context>
    <name>luna::DateDialog</name>
    <message>
        <source>Scegli data e ora</source>
        <translation>Choose date and time</translation>
    </message>
    <message>
        <source>&amp;Ora:</source>
        <translation>&amp;Time:</translation>
    </message>
    <message>
        <source>&amp;Adesso</source>
        <translation>&amp;Now</translation>
    </message>
    <message>
        <source>«%1» non è un&apos;ora: scrivila come 21:30, 2130 o 9:30 pm.</source>
        <translation>“%1” is not a time: write it as 21:30, 2130 or 9:30 pm.</translation>
    </message>
</context>
<context>
    <name>luna::FactsWindow</name>
    <message>
        <source>La Luna</source>
        <translation>The Moon</translation>
    </message>
    <message>
        <source>I fatti della Luna</source>
        <translation>The Moon&apos;s facts</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>La Luna di adesso, %1</source>
        <translation>The Moon now, %1</translation>
    </message>
    <message>
        <source>Il volto della Luna</source>
        <translation>The Moon&apos;s face</translation>
    </message>
    <message>
        <source>La Luna di %1</source>
        <translation>The Moon of %1</translation>
    </message>
    <message>
        <source>S&amp;tanotte…</source>
        <translation>&amp;Tonight…</translation>
    </message>
    <message>
        <source>Sul terminatore: quando guardarli</source>
        <translation>On the terminator: when to look</translation>
    </message>
    <message>
        <source>Quando guardare i dettagli sul terminatore: %1</source>
        <translation>When to look at the features on the terminator: %1</translation>
    </message>
</context>
<context>
    <name>luna::FeatureDialog</name>
    <message>
        <source>Quando guardare %1</source>
        <translation>When to look at %1</translation>
    </message>
    <message>
        <source>Le finestre buone</source>
        <translation>The good windows</translation>
    </message>
</context>
<context>
    <name>luna::Form1</name>
    <message>
        <source>Visualizzazione Zelvo lunari</source>
        <translation>Zelvo lunar viewer</translation>
    </message>
    <message>
        <source>Scorri per visualizzare</source>
        <translation>Scroll to view</translation>
    </message>
    <message>
        <source>Angolo di fase</source>
        <translation>Phase angle</translation>
    </message>
    <message>
        <source>Angolo in gradi</source>
        <translation>Angle in degrees</translation>
    </message>
    <message>
        <source>Luna</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Luna: le fasi della Luna, disegnate con Qt 6.</source>
        <translation>Luna: the phases of the Moon, drawn with Qt 6.</translation>
    </message>
    <message>
        <source>La Luna di adesso</source>
        <translation>The Moon now</translation>
    </message>
    <message>
        <source>Scegli data e ora…</source>
        <translation>Choose date and time…</translation>
    </message>
    <message>
        <source>Luogo…</source>
        <translation>Place…</translation>
    </message>
    <message>
        <source>Emisfero sud</source>
        <translation>Southern hemisphere</translation>
    </message>
    <message>
        <source>La Luna…</source>
        <translation>The Moon…</translation>
    </message>
    <message>
        <source>Calendario lunare…</source>
        <translation>Lunar calendar…</translation>
    </message>
    <message>
        <source>Informazioni su Luna</source>
        <translation>About Luna</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Volto della Luna</source>
        <translation>The Moon&apos;s face</translation>
    </message>
    <message>
        <source>Versione %1.</source>
        <translation>Version %1.</translation>
    </message>
    <message>
        <source>Software libero, sotto la GNU General Public License, versione 3 o successive.</source>
        <translation>Free software, under the GNU General Public License, version 3 or later.</translation>
    </message>
    <message>
        <source>Stanotte</source>
        <translation>Tonight</translation>
    </message>
    <message>
        <source>Allineamento…</source>
        <translation>Alignment…</translation>
    </message>
    <message>
        <source>%1, %2 km</source>
        <translation>%1, %2 km</translation>
    </message>
    <message>
        <source>Fatta con ERFA (le routine SOFA dell&apos;Unione Astronomica Internazionale) per il cielo, GeographicLib per le geodetiche, Qt %1 per le finestre e, per le città, i dati di GeoNames (geonames.org, CC BY 4.0) tramite libgeonames.</source>
        <translation>Built with ERFA (the International Astronomical Union&apos;s SOFA routines) for the sky, GeographicLib for the geodesics, Qt %1 for the windows and, for the cities, the data of GeoNames (geonames.org, CC BY 4.0) through libgeonames.</translation>
    </message>
</context>
<context>
    <name>luna::MonthView</name>
    <message>
        <source>Alle 21:00: %1</source>
        <translation>At 21:00: %1</translation>
    </message>
    <message>
        <source>Sorge %1, tramonta %2</source>
        <translation>Rises %1, sets %2</translation>
    </message>
    <message>
        <source>Calendario islamico: %1</source>
        <translation>Islamic calendar: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>luna::MonthWindow</name>
    <message>
        <source>Calendario lunare</source>
        <translation>Lunar calendar</translation>
    </message>
    <message>
        <source>◀ Mese &amp;prima</source>
        <translation>◀ &amp;Previous month</translation>
    </message>
    <message>
        <source>Mese &amp;dopo ▶</source>
        <translation>&amp;Next month ▶</translation>
    </message>
    <message>
        <source>&amp;Stampa…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>Esporta il calendario lunare</source>
        <translation>Export the lunar calendar</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;iCalendar (*.ics)</source>
        <translation>PDF (*.pdf);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>«%1»: serve un file .pdf o .ics</source>
        <translation>“%1”: it takes a .pdf or .ics file</translation>
    </message>
    <message>
        <source>&amp;Oggi</source>
        <translation>&amp;Today</translation>
    </message>
    <message>
        <source>lunario-%1-%2.pdf</source>
        <translation>moon-calendar-%1-%2.pdf</translation>
    </message>
    <message>
        <source>Calendario &amp;islamico</source>
        <translation>&amp;Islamic calendar</translation>
    </message>
    <message>
        <source>Sotto ogni giorno la data del calendario islamico di Umm al-Qura</source>
        <translation>Under each day its date on the Umm al-Qura Islamic calendar</translation>
    </message>
</context>
<context>
    <name>luna::MoonCalendar</name>
    <message>
        <source>Calendario</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Mese prima</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Mese dopo</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Giorni del mese</source>
        <translation>Days of the month</translation>
    </message>
</context>
<context>
    <name>luna::NightWindow</name>
    <message>
        <source>Grafico della notte</source>
        <translation>Chart of the night</translation>
    </message>
    <message>
        <source>Stanotte</source>
        <translation>Tonight</translation>
    </message>
    <message>
        <source>◀ &amp;Notte prima</source>
        <translation>◀ &amp;Night before</translation>
    </message>
    <message>
        <source>Notte &amp;dopo ▶</source>
        <translation>Night &amp;after ▶</translation>
    </message>
    <message>
        <source>Notte prima</source>
        <translation>Night before</translation>
    </message>
    <message>
        <source>Notte dopo</source>
        <translation>Night after</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Per la notte serve un luogo: sceglierlo con Luogo… (Ctrl+L) nel menu della finestra.</source>
        <translation>The night needs a place: choose one with Place… (Ctrl+L) in the window&apos;s menu.</translation>
    </message>
    <message>
        <source>Stanotte — %1</source>
        <translation>Tonight — %1</translation>
    </message>
</context>
<context>
    <name>luna::PlaceDialog</name>
    <message>
        <source>Luogo</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Usa il &amp;fuso orario</source>
        <translation>Use the &amp;time zone</translation>
    </message>
    <message>
        <source>Roma, Europe/Rome o 41.9028,12.4964</source>
        <translation>Rome, Europe/Rome or 41.9028,12.4964</translation>
    </message>
    <message>
        <source>Vuoto: il luogo del fuso orario.</source>
        <translation>Empty: the time zone&apos;s place.</translation>
    </message>
    <message>
        <source>Una città (Roma, Monaco di Baviera, &quot;Springfield, Illinois&quot;), un fuso orario (Europe/Rome) o latitudine e longitudine in gradi (41,9028 12,4964 o 41.9028,12.4964):</source>
        <translation>A city (Rome, Munich, &quot;Springfield, Illinois&quot;), a time zone (Europe/Rome) or latitude and longitude in degrees (41.9028,12.4964 or 41,9028 12,4964):</translation>
    </message>
    <message>
        <source>Il sistema non ha un fuso orario con un luogo: scrivi una città o latitudine e longitudine.</source>
        <translation>The system has no time zone with a place: write a city, or latitude and longitude.</translation>
    </message>
    <message>
        <source>Il fuso orario del sistema, %1, non ha un luogo: scrivi una città o latitudine e longitudine.</source>
        <translation>The system&apos;s time zone, %1, has no place: write a city, or latitude and longitude.</translation>
    </message>
    <message>
        <source>Trova la &amp;mia posizione</source>
        <translation>Find &amp;my location</translation>
    </message>
    <message>
        <source>Cerco la posizione…</source>
        <translation>Finding the location…</translation>
    </message>
    <message>
        <source>La tua posizione: %1.</source>
        <translation>Your location: %1.</translation>
    </message>
    <message>
        <source>La tua posizione: %1, a %2 km da %3.</source>
        <translation>Your location: %1, %2 km from %3.</translation>
    </message>
    <message>
        <source>Questo computer non ha un servizio di localizzazione (GeoClue): scrivi la città.</source>
        <translation>This computer has no location service (GeoClue): type the city.</translation>
    </message>
    <message>
        <source>Il desktop non ha concesso la posizione a Luna: scrivi la città, o permettilo nelle impostazioni della privacy.</source>
        <translation>The desktop did not give Luna the location: type the city, or allow it in the privacy settings.</translation>
    </message>
    <message>
        <source>Il servizio di localizzazione non ha trovato la posizione: scrivi la città.</source>
        <translation>The location service found no location: type the city.</translation>
    </message>
    <message>
        <source>La tua posizione: %1, a meno di un chilometro da %2.</source>
        <translation>Your location: %1, less than a kilometre from %2.</translation>
    </message>
</context>
<context>
    <name>luna::Tray</name>
    <message>
        <source>Mostra Luna</source>
        <translation>Show Luna</translation>
    </message>
    <message>
        <source>La Luna…</source>
        <translation>The Moon…</translation>
    </message>
    <message>
        <source>Calendario lunare…</source>
        <translation>Lunar calendar…</translation>
    </message>
    <message>
        <source>Avvisi alle lune piene e nuove</source>
        <translation>Notices at full and new moons</translation>
    </message>
    <message>
        <source>Avvia con la sessione</source>
        <translation>Start with the session</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Nascondi Luna</source>
        <translation>Hide Luna</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Show</translation>
    </message>
</context>
</TS>
