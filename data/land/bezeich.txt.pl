Razoz-Quorex firmy Tallwick  6 z 49  La Dovovuduv Hiszpania

Zak³ady

1. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
2. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 2 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
3. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 3 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
4. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 4 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
5. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 5 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
6. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 6 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
7. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 7 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
8. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 8 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
9. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 9 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
10. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 10 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
11. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 11 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen
12. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Klicken Sie hier um Tipp 12 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen

Usuñ wszystkie zak³ady

Aktualizuj liczby losowañ z serwera

Poka¿ poprzednie losowanie

Poka¿ nastêpne losowanie
QS: 
Suma szeœciu wylosowanych liczb
Nr losu
Kliknij tutaj, aby wpisaæ numer losu
Losowania sobotnie
U¿ywaj danych z losowañ sobotnich
Losowania czwartkowe
U¿ywaj danych z losowañ czwartkowych
&Oblicz zak³ady
Ustawiona liczba zak³adów jest obliczana z podanymi parametrami
Glückszahl setzen
Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren
Tipp &abgeben
Hier können Sie den Tipp Online abgeben

Zapisz zak³ady

Wczytaj zak³ady z pliku
Tipp

Tippverteilung

Tipps in DB suchen
Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde
Razoz-Quorex w internecie

Nowoœci i aktualizacje

Obliczenia

Statystyka

Zahlen für die Tipps über Statistik bevorzugen

Zahlen die besonders oft gezogen wurden bevorzugen
Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Zahlen die besonders selten gezogen wurden bevorzugen
die ersten X% der am seltensten gezogenen Zahlen bevorzugen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Zahlen die am längsten überfällig sind
die ersten X% der am längsten überfälligen Zahlen bevorzugen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen
Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)

Zahlen mit einer häufigen Paarebildung bevorzugen

seltensten

Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen

seltensten

Zahlen mit einer häufigen Viergruppenbildung bevorzugen

seltensten

benachbarte Zahlen der letzten Ziehung bevorzugen

Für höherer Quoten können verschiedene Zahlen  "benachteiligt" werden

vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) 

Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten

Unter "Allgemein" können Sie festlegen, dass nur diese Zahlen für die Tippberechnung verwendet werden


Wykres rozk³adu wylosowanych liczb

Wykres zaleg³ych liczb

Wykres par liczb

Wykres trójek liczb

Wykres czwórek liczb
Optymalizacja kuponu

Optimierung der einzelnen Tipps miteinander im Schein 

minimale Übereinstimmungen mit anderen Tipps

maximale Übereinstimmungen mit anderen Tipps

Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden

Optimierung der einzelnen Tipps über die vergangenen Ziehungen

maximal zugelassene Anzahl von Zahlen der letzten Ziehung 
Übereinstimmung mit Zahlen aus vorhergehender Ziehung
maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung 
Übereinstimmung mit Zahlen aus vorhergehender Ziehung
maximal zugelassene Anzahl von Zahlen der drittletzten Ziehung 
Übereinstimmung mit Zahlen aus vorhergehender Ziehung
Zusatzzahl in die Berechnung der Richtigen mit einbeziehen 

Tipp enspricht noch keiner Ziehung der Datenbank nit 
Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht
Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden
Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden
Richtigen

Tipp ergibt keine
Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Richtigen in den letzten

Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Ziehungen

Tipp ergibt keine 
Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen
Richtigen in den letzten

Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen
Ziehungen

Matematyka

Diese Bedingungen werden in jeder Tippreihe berücksichtigt

Quersummen von                  bis                     im Tipp zulassen


Wykres rozk³adu sum
Rozk³ad sum poprzednich losowañ widaæ na wykresie pod QS  

Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder 39-41-43-46-47-49

Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. (Datumstipper)

mindest Anzahl von Primzahlen in jedem Tipp


Wykres liczb pierwszych na zak³ad
mindest Anzahl von geraden Zahlen in jedem Tipp


Wykres liczb parzystych na zak³ad
mindest Anzahl ungeraden Zahlen in jedem Tipp


Wykres liczb nieparzystych na zak³ad

Wykres par liczb
Pary powstaj¹ zwykle same, ale tutaj mo¿na je te¿ wymusiæ.

eine Paarbildung pro Tipp erzwingen


Wykres trójek liczb

Wykres czwórek liczb
Trójki, 

czwórki ... (3-4-5 lub 28-29-30-31) zdarzaj¹ siê doœæ rzadko i tutaj mo¿na je ca³kiem wykluczyæ

keine Dreier , Vierer... Paare

Ogólne

Allgemeine Berechnungsoptionen

Max. Berechnungsläufe

Tausend

Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht alle Reihen berechnet werden konnten. 

Liste für Zahlenreihengenerierung anzeigen / bearbeiten

für den Tipp nur bevorzugte Zahlen verwenden!

Wykres

Ta data jest pocz¹tkiem obliczeñ; wczeœniejsze losowania nie s¹ uwzglêdniane
Ta data jest pocz¹tkiem obliczeñ; wczeœniejsze losowania nie s¹ uwzglêdniane
Rozk³ad
Rozk³ad wylosowanych liczb
Zaleg³e
jak d³ugo ka¿da liczba jest zaleg³a
QS
rozk³ad sum wylosowanych liczb
Reintegro
rozk³ad wylosowanych cyfr Reintegro
Reintegro zaleg³e
jak d³ugo ka¿da cyfra Reintegro jest zaleg³a
Pary
wykres par liczb
Trójki
wykres grup trzech liczb
Czwórki
wykres grup czterech liczb
Baza danych

Ta data jest koñcem obliczeñ; póŸniejsze losowania nie s¹ uwzglêdniane
Ta data jest koñcem obliczeñ; póŸniejsze losowania nie s¹ uwzglêdniane

Oceñ zak³ad wed³ug losowania z wybranej daty
&Aktualizuj bazê
Aktualizuj liczby losowañ z serwera

Zatrzymuje wczytywanie
Utwórz bazê od nowa
Losowania s¹ wczytywane ponownie od daty ustawionej powy¿ej
WprowadŸ
Rêczne wprowadzanie danych losowania.
Usuñ
Usuñ pokazane losowanie
Wczytaj CSV
Dodaj do bazy losowania z listy wyników (CSV)

Stan bazy danych: liczba losowañ i czego w niej brakuje
Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet

Historische Analyse der Parameter beginnenden mit oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Neuberechnung  nur wenn ein 3er erzielt wurde

War eine Ziehung schon einmal ein 5er oder 6er?

Historische Analyse beginnend mit dem oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Zaleg³e
Tworzy wykres zaleg³ych liczb
Reintegro zaleg³e
tworzy wykres zaleg³ych cyfr Reintegro
Szukaj par
Tworzy wykres par kolejnych liczb
Szukaj trójek
Tworzy wykres trójek kolejnych liczb
Szukaj czwórek
Tworzy wykres czwórek kolejnych liczb
Pierwsze na zak³ad
tworzy wykres liczb pierwszych na zak³ad
Nieparzyste na zak³ad
tworzy wykres liczb nieparzystych na zak³ad
Parzyste na zak³ad
tworzy wykres liczb parzystych na zak³ad
Opcje internetowe

Serwer proxy

Zostaw puste, jeœli nie u¿ywasz serwera proxy
Zostaw puste, jeœli nie u¿ywasz serwera proxy
Port proxy

Serwer losowañ

Adres serwera, z którego wczytywane s¹ losowania
Adres serwera, z którego wczytywane s¹ losowania
Op³ata manipulacyjna loterii krajowej za kupon

Za jedno losowanie:

Za oba losowania (sob. i czw.):

Gram tylko w soboty (sobota wybrana przy wysy³aniu)

W³¹cz stronê z linkami

Online-Abgabe

Abgabe-Service

Adresse des Dienstes, der den Anfang der Abgabe-Adresse und neue Click-Scripte liefert
Adresse des Dienstes, der den Anfang der Abgabe-Adresse und neue Click-Scripte liefert
Tipp24-Adresse

Adresse (https und Rechnername) des Portals Tipp24
Adresse (https und Rechnername) des Portals Tipp24
Web-Seite für Updates

Diese Seite wird genannt, wenn der Abgabe-Service nicht erreichbar ist
Diese Seite wird genannt, wenn der Abgabe-Service nicht erreichbar ist
Partner-Nummer

Wird bei der Abgabe als Partner-Referenz mitgeschickt
Wird bei der Abgabe als Partner-Referenz mitgeschickt
Download Klickomat

Seite, von der der Klickomat geladen wird, wenn er nicht installiert ist
Seite, von der der Klickomat geladen wird, wenn er nicht installiert ist
Linki

http://www.tallwick.example/zahlen/

http://www.tallwick.example/razoz/

http://www.tallwick.example/lotto-planer/

http://www.tallwick.example/toto-tipp/

http://www.tallwick.example/keno-rechner/

http://www.tallwick.example/systemscheine/

http://www.lottobay.example/

http://www.tallwick.example/rubbellos/

&Aktualizuj

&Oblicz

&Wyœlij

&Drukuj kupon

Sprache/Language/Langue

Niemiecki

Angielski

Francuski

Hiszpañski

Turecki

Rosyjski

Polski

Czeski

Niderlandzki

Eksport

Pomoc

Poka¿ dokumentacjê

&Zamknij

Ustawienia druku kuponu

Sobota

Œroda

Spiel 77

Super 6

Glücksspirale

Poka¿ kupon do próby

Extra

Koszt:

0,00 €

Kliknij „Online”, aby anonimowo przekazaæ dane do Tipp24 lub lottobay. Potem mo¿esz siê zalogowaæ lub zarejestrowaæ.

N
Utwórz nowy numer losu, który nigdy nie zosta³ wylosowany
?
SprawdŸ, czy ten numer losu by³ ju¿ wylosowany
Wybór loterii krajowej 

Saksonia ... 

Brandenburgia 

Badenia-Wirtembergia

Meklemburgia-Pomorze

Nadrenia Pó³nocna-Westfalia

Berlin

Saara

Dolna Saksonia

Hesja

Saksonia-Anhalt

Bawaria

Nadrenia-Palatynat

Hamburg

W³asne po³o¿enie

dopasuj

Góra:

Lewo

Czcionka

Wyœlij kupon do...

www.lottery24.example

www.tipp24.example

Anuluj

Drukuj

&Online

Welche Zahlen für die Berechnung


Speichern der Liste

Laden der Liste
Abbruch

&Zufall

OK

&Rechnen

Po³o¿enie wydruku kuponu

Uk³ad 6x2 lub 1x12

Zak³ady w blokach po 7x7

Liczby zak³adu poziomo 49x1

OK

Script für Zahlenübergabe auswählen!

Tallwicks Click-Script File

Parameter 

ZAHL1

ZAHL2

TEXT1

TEXT2

OK

Abbrechen

