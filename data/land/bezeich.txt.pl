Razoz-Quorex firmy Tallwick  6 z 49  La Dovovuduv Hiszpania

Zak³ady

1. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 1 w formularzu lub utworzyæ go losowo
2. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 2 w formularzu lub utworzyæ go losowo
3. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 3 w formularzu lub utworzyæ go losowo
4. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 4 w formularzu lub utworzyæ go losowo
5. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 5 w formularzu lub utworzyæ go losowo
6. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 6 w formularzu lub utworzyæ go losowo
7. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 7 w formularzu lub utworzyæ go losowo
8. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 8 w formularzu lub utworzyæ go losowo
9. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 9 w formularzu lub utworzyæ go losowo
10. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 10 w formularzu lub utworzyæ go losowo
11. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 11 w formularzu lub utworzyæ go losowo
12. zak³ad
Jeœli „zak³ad” jest czerwony, ten rz¹d nie jest przeliczany!
…
Kliknij tutaj, aby zmieniæ zak³ad 12 w formularzu lub utworzyæ go losowo

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
Ustaw szczêœliw¹ liczbê
Tutaj mo¿esz trochê pomóc losowi i wygenerowaæ naprawdê w³asny zak³ad
&Wyœlij zak³ad
Tutaj mo¿esz wys³aæ zak³ad online

Zapisz zak³ady

Wczytaj zak³ady z pliku
Zak³ad

Rozk³ad zak³adów

Szukaj zak³adów w bazie
Tutaj mo¿esz sprawdziæ, czy ten zak³ad zosta³ ju¿ kiedyœ wylosowany
Stopnie wygranych
Jak czêsto te typy wygra³yby ka¿dy stopieñ, obok przypadku
Razoz-Quorex w internecie

Nowoœci i aktualizacje

Obliczenia

Statystyka

Preferuj liczby do zak³adów wed³ug statystyki

Preferuj liczby losowane szczególnie czêsto
Preferuj pierwsze X% najczêœciej losowanych liczb
Pierwsze X procent otrzymuje wy¿sze prawdopodobieñstwo
Pierwsze X procent otrzymuje wy¿sze prawdopodobieñstwo
Preferuj liczby losowane szczególnie rzadko
preferuj pierwsze X% najrzadziej losowanych liczb
Pierwsze X procent otrzymuje wy¿sze prawdopodobieñstwo
Pierwsze X procent otrzymuje wy¿sze prawdopodobieñstwo
Liczby najd³u¿ej niewylosowane
preferuj pierwsze X% najd³u¿ej niewylosowanych liczb
Pierwsze X procent otrzymuje wy¿sze prawdopodobieñstwo
Pierwsze X procent otrzymuje wy¿sze prawdopodobieñstwo
Do obliczania zak³adów u¿ywa siê ka¿dorazowo pierwszych x%. (np. do 30% maksimum)

Preferuj liczby czêsto tworz¹ce pary

najrzadsze

Preferuj liczby czêsto tworz¹ce trójki

najrzadsze

Preferuj liczby czêsto tworz¹ce czwórki

najrzadsze

preferuj liczby s¹siednie ostatniego losowania

Dla wy¿szych wygranych niektóre liczby mog¹ byæ „gorzej traktowane”

unikaj liczb 1-12 (miesi¹c czêsto typuj¹ graj¹cy datami) 

zmniejsz wagê liczb 1-31 (data)  -  rzadziej w zak³adzie

W zak³adce „Ogólne” mo¿esz ustaliæ, ¿e do obliczania zak³adów bêd¹ u¿ywane tylko te liczby


Wykres rozk³adu wylosowanych liczb

Wykres zaleg³ych liczb

Wykres par liczb

Wykres trójek liczb

Wykres czwórek liczb
Optymalizacja kuponu

Optymalizacja zak³adów na kuponie wzglêdem siebie 

minimalna liczba zgodnoœci z innymi zak³adami

maksymalna liczba zgodnoœci z innymi zak³adami

Stosuj min/maks do relacji ka¿dego zak³adu z ka¿dym

Optymalizacja zak³adów wed³ug poprzednich losowañ

maksymalna dozwolona liczba liczb z ostatniego losowania 
Zgodnoœæ z liczbami z poprzedniego losowania
maksymalna dozwolona liczba liczb z przedostatniego losowania 
Zgodnoœæ z liczbami z poprzedniego losowania
maksymalna dozwolona liczba liczb z trzeciego od koñca losowania 
Zgodnoœæ z liczbami z poprzedniego losowania
Uwzglêdniaj liczbê dodatkow¹ przy liczeniu trafieñ 

Zak³ad nie da³ w ¿adnym losowaniu z bazy 
Zak³ad nie mo¿e mieæ jeszcze X trafieñ w bazie, licz¹c od daty z przegl¹du wykresów
Ustaw wartoœæ 5 lub 6, jeœli u¿ywasz ca³ej bazy
Ustaw wartoœæ 5 lub 6, jeœli u¿ywasz ca³ej bazy
trafieñ

Zak³ad nie daje
Zak³ad nie mo¿e mieæ jeszcze X trafieñ w bazie, licz¹c od daty z przegl¹du wykresów
Ustaw wartoœæ 4 lub 5, jeœli wybierasz bardzo du¿¹ liczbê losowañ
Ustaw wartoœæ 4 lub 5, jeœli wybierasz bardzo du¿¹ liczbê losowañ
trafieñ w ostatnich

Tutaj mo¿esz dodatkowo wykluczyæ np. od 3 lub 4 trafieñ w ostatnich losowaniach
Tutaj mo¿esz dodatkowo wykluczyæ np. od 3 lub 4 trafieñ w ostatnich losowaniach
losowaniach

Zak³ad nie daje 
Zak³ad nie mo¿e mieæ jeszcze X trafieñ w bazie, licz¹c od daty z przegl¹du wykresów
Ustaw wartoœæ 4 lub 5, jeœli wybierasz bardzo du¿¹ liczbê losowañ
Ustaw wartoœæ 4 lub 5, jeœli wybierasz bardzo du¿¹ liczbê losowañ
trafieñ w ostatnich

Tutaj mo¿esz dodatkowo wykluczyæ np. od 3 lub 4 trafieñ w ostatnich losowaniach
Tutaj mo¿esz dodatkowo wykluczyæ np. od 3 lub 4 trafieñ w ostatnich losowaniach
losowaniach

Matematyka

Te warunki s¹ uwzglêdniane w ka¿dym zak³adzie

Dopuszczaj w zak³adzie sumy od                  do


Wykres rozk³adu sum
Rozk³ad sum poprzednich losowañ widaæ na wykresie pod QS  

Ograniczaj¹c sumê, wykluczysz zak³ady typu 1-2-3-4-5-6 lub 39-41-43-46-47-49

Jeœli chcesz graæ o wy¿sze wygrane, wybierz sumê wiêksz¹ ni¿ 130. (gracze dat)

minimalna liczba liczb pierwszych w ka¿dym zak³adzie


Wykres liczb pierwszych na zak³ad
minimalna liczba liczb parzystych w ka¿dym zak³adzie


Wykres liczb parzystych na zak³ad
minimalna liczba liczb nieparzystych w ka¿dym zak³adzie


Wykres liczb nieparzystych na zak³ad

Wykres par liczb
Pary powstaj¹ zwykle same, ale tutaj mo¿na je te¿ wymusiæ.

wymuœ jedn¹ parê na zak³ad


Wykres trójek liczb

Wykres czwórek liczb
Trójki, 

czwórki ... (3-4-5 lub 28-29-30-31) zdarzaj¹ siê doœæ rzadko i tutaj mo¿na je ca³kiem wykluczyæ

bez trójek, czwórek...

Ogólne

Ogólne opcje obliczeñ

Maks. przebiegów obliczeñ

tysiêcy

Jeœli przy Twoich ustawieniach nie uda³o siê obliczyæ wszystkich zak³adów, spróbuj zwiêkszyæ liczbê przebiegów. 

Poka¿ / edytuj listê do generowania ci¹gów liczb

w zak³adzie u¿ywaj tylko preferowanych liczb!

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
Na podstawie ustawionych parametrów zak³ady s¹ obliczane i oceniane

Analiza historyczna parametrów od daty wybranej powy¿ej
Obliczenia i skutecznoœæ od daty wybranej powy¿ej
Przelicz ponownie tylko po trafieniu trójki

Czy jakieœ losowanie by³o ju¿ kiedyœ pi¹tk¹ lub szóstk¹?

Analiza historyczna od daty wybranej powy¿ej
Obliczenia i skutecznoœæ od daty wybranej powy¿ej
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
Systeme

Zahlen:

Die Zahlen des Systems (mindestens 6 von 1 bis 49), getrennt durch Leerzeichen oder Kommas
Die Zahlen des Systems (mindestens 6 von 1 bis 49), getrennt durch Leerzeichen oder Kommas
Aus dem Tippschein
Übernimmt die Zahlen der Tipps auf der Seite „Lottotipp“
Aus dem Zahlenpool
Übernimmt die Zahlen des Zahlenpools, den die Berechnung mit den aktuellen Einstellungen bildet
Garantie:

So viele Richtige hat mindestens ein Tipp des Systems …
So viele Richtige hat mindestens ein Tipp des Systems …
Richtige, wenn

… sobald so viele der sechs gezogenen Zahlen unter den gewählten sind
… sobald so viele der sechs gezogenen Zahlen unter den gewählten sind
gezogene Zahlen unter den gewählten sind

Zeitlimit (s):

So lange sucht die Berechnung höchstens nach einem kleineren System
So lange sucht die Berechnung höchstens nach einem kleineren System

Größe des vollen Systems, die kleinste mögliche Größe (Untergrenze) und die beste bekannte Größe

Warum die Zahlen nicht verwendet werden können
System berechnen
Berechnet ein möglichst kleines System mit der Garantie; ein zweiter Klick hält die Suche an und zeigt das beste bisher
Prüfen…
Prüft das angezeigte System oder geladene Tippdateien: Anteil der erfüllten Garantien und die ersten Lücken
Gewinnklassen…
Die Gewinnklassen der Tipps des angezeigten Scheins

Das geprüfte System: Größe, Herkunft und Abstand zur Untergrenze
In den Tippschein
Schreibt die 12 Tipps des angezeigten Scheins in den Tippschein
<
Der vorige Schein des Systems in den Tippschein

Der angezeigte Schein von 12 Tipps
>
Der nächste Schein des Systems in den Tippschein
Tippdateien speichern…
Speichert je 12 Tipps als eine Tippdatei in einen Ordner
Scheine drucken
Druckt jeden Schein des Systems nacheinander

Einsatz des Systems für eine Ziehung, ohne Zusatzspiele und Gebühren
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

Wysy³anie online

Us³uga wysy³ania

Adres us³ugi, która dostarcza pocz¹tek adresu wysy³ania i nowe Click-skrypty
Adres us³ugi, która dostarcza pocz¹tek adresu wysy³ania i nowe Click-skrypty
Adres Tipp24

Adres portalu Tipp24 (https i nazwa hosta)
Adres portalu Tipp24 (https i nazwa hosta)
Strona aktualizacji

Ta strona jest podawana, gdy us³uga wysy³ania jest niedostêpna
Ta strona jest podawana, gdy us³uga wysy³ania jest niedostêpna
Numer partnera

Do³¹czany przy wysy³aniu jako referencja partnera
Do³¹czany przy wysy³aniu jako referencja partnera
Pobierz Klickomat

Strona, z której pobierany jest Klickomat, gdy nie jest zainstalowany
Strona, z której pobierany jest Klickomat, gdy nie jest zainstalowany
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

Stopnie &wygranych

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

O programie Razoz-Quorex

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

Które liczby do obliczeñ


Zapisz listê

Wczytaj listê
Anuluj

&Losowo

OK

&Oblicz

Po³o¿enie wydruku kuponu

Uk³ad 6x2 lub 1x12

Zak³ady w blokach po 7x7

Liczby zak³adu poziomo 49x1

Wysokoœæ pola:

Szerokoœæ pola:

Korekta w lewo:

Korekta 2. rzêdu:

Góra:

Lewo:

Spiel 77 tak:

Spiel 77 nie:

Super 6 tak:

Super 6 nie:

Glücksspirale tak:

Glücksspirale nie:

Œroda:

Sobota:

Sob/Œr:

Plik obrazu kuponu (jpg)

OK

Wybierz skrypt do przekazania liczb!

Plik Click-Script firmy Tallwick

Parametry 

ZAHL1

ZAHL2

TEXT1

TEXT2

OK

Anuluj

