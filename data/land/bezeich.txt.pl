Razoz-Quorex firmy Tallwick  6 z 49  La Dovovuduv Hiszpania

Zak³ady

1. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
2. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
3. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
4. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
5. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
6. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
7. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
8. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
9. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
10. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
11. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
12. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!

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

Zapisz zak³ady

Wczytaj zak³ady z pliku
Razoz-Quorex w internecie

Nowoœci i aktualizacje

Obliczenia

Statystyka


Wykres rozk³adu wylosowanych liczb

Wykres zaleg³ych liczb

Wykres par liczb

Wykres trójek liczb

Wykres czwórek liczb
Optymalizacja kuponu

Matematyka

Tipp &abgeben
Hier können Sie den Tipp Online abgeben

Wykres rozk³adu sum
Rozk³ad sum poprzednich losowañ widaæ na wykresie pod QS  


Wykres liczb pierwszych na zak³ad

Wykres liczb nieparzystych na zak³ad
Tipps in DB suchen
Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde

Wykres liczb parzystych na zak³ad

Wykres par liczb
Pary powstaj¹ zwykle same, ale tutaj mo¿na je te¿ wymusiæ.


Wykres trójek liczb

Wykres czwórek liczb
Trójki, 

czwórki ... (3-4-5 lub 28-29-30-31) zdarzaj¹ siê doœæ rzadko i tutaj mo¿na je ca³kiem wykluczyæ

Ogólne

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

Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet

Historische Analyse der Parameter beginnenden mit oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
Neuberechnung  nur wenn ein 3er erzielt wurde

War eine Ziehung schon einmal ein 5er oder 6er?

Historische Analyse beginnend mit dem oben gewähltem Datum
Berechnung und Erfolg beginnend mit dem oben gewählten Datum
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

Po³o¿enie wydruku kuponu

Uk³ad 6x2 lub 1x12

Zak³ady w blokach po 7x7

Liczby zak³adu poziomo 49x1

OK

Linkseite aktivieren

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
Links

http://www.tallwick.example/zahlen/

http://www.tallwick.example/razoz/

http://www.tallwick.example/lotto-planer/

http://www.tallwick.example/toto-tipp/

http://www.tallwick.example/keno-rechner/

http://www.tallwick.example/systemscheine/

http://www.lottobay.example/

http://www.tallwick.example/rubbellos/

&Aktualisieren

&Berechnen

Ab&geben

Schein &drucken

Sprache/Language/Langue

Deutsch

Englisch

Französisch

Spanisch

Türkisch

Russisch

Polnisch

Tschechisch

Niederländisch

Export

Hilfe

Dokumentation anzeigen

S&chließen

Druckeeinstellungen für den Lottoschein

Samstag

Mittwoch

Spiel 77

Super 6

Glücksspirale

Schein zum Test mit anzeigen

Extra

Kosten:

0,00 €

Klicken Sie auf "Online" um  die Daten anonym an Tipp24 oder lottobay zu übergeben.  Anschließend können Sie sich  einloggen oder neu registrieren. 

N
Neu Losnummer welche noch nie gezogen wurde erzeugen
?
Suchen ob diese Losnr schon gezogen wurde
Auswahl der Landeslotterie 

Sachsen ... 

Brandenburg 

Baden-Württemberg

Mecklenburg-Vorpommern

Nordrhein-Westfalen

Berlin

Saarland

Niedersachsen

Hessen

Sachsen-Anhalt

Bayern

Rheinland-Pfalz

Hamburg

Selbst definierte Positionierung

anpassen

Oben:

Links

Schriftart

Tippschein abgeben bei...

www.lottery24.example

www.tipp24.example

Abbrechen

Drucken

&Online

Welche Zahlen für die Berechnung


Speichern der Liste

Laden der Liste
Abbruch

&Zufall

OK

&Rechnen

Positionierung des Scheindruckes

Grundstuktur 6x2 oder 1x12

Tipps in Blöcken mit Aufteilung 7x7

Zahlen eines Tipps waagerechte 49x1

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

