<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ComputerLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Acemi</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasik</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Güçlü</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Uzman</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Usta</translation>
    </message>
</context>
<context>
    <name>ResumeOffer</name>
    <message>
        <source>The game begun %1 (UTC) stopped before its end, in round %2.
Players and scores: %3.</source>
        <translation>%1 (UTC) tarihinde başlayan oyun, %2. turda bitmeden durdu.
Oyuncular ve puanlar: %3.</translation>
    </message>
    <message>
        <source>Resume the Stopped Game?</source>
        <translation>Yarım kalan oyun sürdürülsün mü?</translation>
    </message>
    <message>
        <source>Resume it with the same seats, tiles, board and scores? Its players get their seats back by joining with their names.</source>
        <translation>Aynı koltuklar, taşlar, masa ve puanlarla sürdürülsün mü? Oyuncular kendi adlarıyla katılarak koltuklarını geri alır.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>The choice could not be kept: the records folder cannot be written. The game will be offered again.</source>
        <translation>Seçim saklanamadı: kayıt klasörüne yazılamıyor. Oyun yeniden önerilecek.</translation>
    </message>
</context>
<context>
    <name>client::BoardSets</name>
    <message>
        <source>An %1</source>
        <translation>Bir %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Bir %1</translation>
    </message>
    <message>
        <source>%1 cannot go next to %2 here.</source>
        <translation>%1 burada %2 yanına gelemez.</translation>
    </message>
</context>
<context>
    <name>client::BoardView</name>
    <message>
        <source>a set in row %1 has %2 %3</source>
        <translation>%1. satırdaki bir dizide %2 %3 var</translation>
    </message>
    <message>
        <source>a set in row %1 is no run or group</source>
        <translation>%1. satırdaki bir dizi ne seri ne de grup</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>O hücre dolu.</translation>
    </message>
    <message>
        <source>First lay-down: %1 of %2</source>
        <translation>İlk açış: %1 / %2</translation>
    </message>
    <message>
        <source>The set does not fit there.</source>
        <translation>Dizi oraya sığmıyor.</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>taş</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>taş</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 oynadı: %2.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 taşıdı: %2.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 geri aldı: %2.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 taşlarını geri aldı.</translation>
    </message>
</context>
<context>
    <name>client::ChatInput</name>
    <message>
        <source>See ya!</source>
        <translation>Görüşürüz!</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Sohbeti buraya yazın&gt;</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Sohbet mesajı</translation>
    </message>
</context>
<context>
    <name>client::ChatView</name>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Sohbeti temizle</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Sohbeti kaydırma</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Web sayfası açılamıyor</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Sohbet</translation>
    </message>
</context>
<context>
    <name>client::ChatterSounds</name>
    <message>
        <source>Doh</source>
        <translation>Hay aksi</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Öksürük</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Merhaba</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Teşekkürler</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Neredeydin?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Horlama</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Hapşırık</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Pardon</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Hoş geldin</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yihuu</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Yaşasın</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Eyvah</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Alkış</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Korna</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Ooo</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Dudak sesi</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Tezahürat</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Kadın gülüyor</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Adam gülüyor</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Ağlama</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;İptal&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Ses&gt; %2</translation>
    </message>
</context>
<context>
    <name>client::GameFlow</name>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 bir oyun başlattı.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Bir oyun başlattınız.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Herkes %1 taşla başlıyor.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Sıra %1 oyuncusunda.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 bir taş çekti.</translation>
    </message>
    <message>
        <source>%1 took a %2 tile penalty.</source>
        <translation>%1 %2 taş ceza aldı.</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>Tur berabere bitti.</translation>
    </message>
    <message>
        <source> You are out of tiles! The Round is Over.</source>
        <translation> Taşınız kalmadı! Tur bitti.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 taşlarını bitirdi! Tur bitti.</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Oyunu kazandınız!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 oyunu kazandı!</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Elinizde taş varken geri alamazsınız.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Elinizde taş varken sıranızı bitiremezsiniz.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Elinizde taş varken taş çekemezsiniz.</translation>
    </message>
    <message>
        <source>You cannot take a hint when you have a tile in your hand.</source>
        <translation>Elinizde taş varken ipucu alamazsınız.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Süreniz doldu!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>%1 oyuncusunun süresi doldu.</translation>
    </message>
</context>
<context>
    <name>client::GameInfo</name>
    <message>
        <source>Time Penalty</source>
        <translation>Süre cezası</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Bol şans</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: 0</source>
        <translation>Kalan taş: 0</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Kazanan!</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Hedef puan: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1:%2</source>
        <translation>Hamle süresi: %1:%2</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Hamle süresi: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Süre cezası: AÇIK</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Süre cezası: KAPALI</translation>
    </message>
    <message>
        <source>Play To Score: -</source>
        <translation>Hedef puan: -</translation>
    </message>
    <message>
        <source>Time Per Turn: -</source>
        <translation>Hamle süresi: -</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Takım oyunu</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Kalan taş: %1</translation>
    </message>
</context>
<context>
    <name>client::Hints</name>
    <message>
        <source>This program offers no hints</source>
        <translation>Bu program ipucu vermiyor</translation>
    </message>
    <message>
        <source>This game&apos;s host offers no hints</source>
        <translation>Bu oyunun sunucusu ipucu vermiyor</translation>
    </message>
    <message>
        <source>The host has switched hints off</source>
        <translation>Sunucu ipuçlarını kapattı</translation>
    </message>
    <message>
        <source>Lay the outlined tiles (H)</source>
        <translation>İşaretli taşları aç (H)</translation>
    </message>
    <message>
        <source>Outline the best lay-down for your rack (H)</source>
        <translation>Istakanız için en iyi açışı işaretle (H)</translation>
    </message>
    <message>
        <source>No hint: a set on the board cannot be completed. Clear your moves.</source>
        <translation>İpucu yok: masadaki bir dizi tamamlanamıyor. Hamlelerinizi geri alın.</translation>
    </message>
    <message>
        <source>No lay-down of %1 yet: draw a tile.</source>
        <translation>Henüz %1 puanlık açış yok: taş çekin.</translation>
    </message>
    <message>
        <source>None of your tiles can be laid: draw a tile.</source>
        <translation>Hiçbir taşınız açılamıyor: taş çekin.</translation>
    </message>
    <message>
        <source>Hint: %1 worth %2. Press Place to lay %3.</source>
        <translation>İpucu: %2 değerinde %1. %3 açmak için Koy&apos;a basın.</translation>
    </message>
    <message>
        <source>1 tile</source>
        <translation>1 taş</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 taş</translation>
    </message>
    <message>
        <source>Hint laid (%1 points): press Finish to end your turn.</source>
        <translation>İpucu açıldı (%1 puan): sıranızı bitirmek için Bitir&apos;e basın.</translation>
    </message>
    <message>
        <source>it</source>
        <translation>onu</translation>
    </message>
    <message>
        <source>them</source>
        <translation>onları</translation>
    </message>
</context>
<context>
    <name>client::PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Harika gidiyorsun!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>İyi hamle!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Güzel deneme!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Mükemmel!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Muhteşem!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Vay, süper!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Teşekkürler!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Harika, ortak!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>İyi oyundu herkese!</translation>
    </message>
</context>
<context>
    <name>client::RackView</name>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Bu tur çoktan başladı. Bir sonraki turu beklemeniz gerekecek.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Masadan aldığınız bir taş elinizdeyken yeni taş seçemezsiniz.</translation>
    </message>
    <message>
        <source>%1 (just drawn)</source>
        <translation>%1 (yeni çekildi)</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>SIRALA:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Sayılara göre sırala</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Renklere göre sırala</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>yeni çekildi</translation>
    </message>
    <message>
        <source>Your rack</source>
        <translation>Istakanız</translation>
    </message>
</context>
<context>
    <name>client::RecordStatsPage</name>
    <message>
        <source>Rimbalo - Game Statistics</source>
        <translation>Rimbalo - Oyun istatistikleri</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rakip</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Oynanan oyun</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Kazanılan oyun</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Oyuncu:</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Henüz hiç oyun kaydedilmedi.</translation>
    </message>
    <message>
        <source>Games played: %1, won: %2</source>
        <translation>Oynanan oyun: %1, kazanılan: %2</translation>
    </message>
    <message>
        <source>Rounds played: %1, gone out: %2</source>
        <translation>Oynanan tur: %1, taşlarını bitirdiği: %2</translation>
    </message>
    <message>
        <source>Average points per round: %1</source>
        <translation>Tur başına ortalama puan: %1</translation>
    </message>
    <message>
        <source>Best round: %1 points (round %2 of the game of %3)</source>
        <translation>En iyi tur: %1 puan (%3 tarihli oyunun %2. turu)</translation>
    </message>
    <message numerus="yes">
        <source>From %n recorded game(s).</source>
        <translation>
            <numerusform>%n oyun kaydına göre.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>client::ReplayWindow</name>
    <message>
        <source>Game Records</source>
        <translation>Oyun kayıtları</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncular</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Kazanan</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puanlar</translation>
    </message>
    <message>
        <source>To the round&apos;s start (Home)</source>
        <translation>Tur başına (Home)</translation>
    </message>
    <message>
        <source>Back one turn (Left)</source>
        <translation>Bir hamle geri (Sol)</translation>
    </message>
    <message>
        <source>Forward one turn (Right)</source>
        <translation>Bir hamle ileri (Sağ)</translation>
    </message>
    <message>
        <source>To the round&apos;s end (End)</source>
        <translation>Tur sonuna (End)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Aç…</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Bir kayıt dosyası aç</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa aktar…</translation>
    </message>
    <message>
        <source>Save this game&apos;s record file to send</source>
        <translation>Bu oyunun kaydını göndermek için kaydet</translation>
    </message>
    <message>
        <source>(not finished)</source>
        <translation>(bitmedi)</translation>
    </message>
    <message>
        <source>Game Records — %1</source>
        <translation>Oyun kayıtları — %1</translation>
    </message>
    <message>
        <source>Round %1, end</source>
        <translation>Tur %1, son</translation>
    </message>
    <message>
        <source>Round %1, turn %2 of %3</source>
        <translation>Tur %1, hamle %2 / %3</translation>
    </message>
    <message>
        <source>Could not export the record to %1.</source>
        <translation>Kayıt %1 konumuna aktarılamadı.</translation>
    </message>
    <message>
        <source>Export Game Record</source>
        <translation>Oyun kaydını dışa aktar</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec)</source>
        <translation>Rimbalo oyun kayıtları (*.rimrec)</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Oyun kaydı aç</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec);;All files (*)</source>
        <translation>Rimbalo oyun kayıtları (*.rimrec);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Seat %1</source>
        <translation>Koltuk %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>İstatistikler…</translation>
    </message>
    <message>
        <source>Games played and won, points per round, the best round</source>
        <translation>Oynanan ve kazanılan oyunlar, tur başına puan, en iyi tur</translation>
    </message>
</context>
<context>
    <name>client::RoundSummary</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Tiles left</source>
        <translation>Kalan taş</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Next round in %1 s</source>
        <translation>Sonraki tur %1 sn içinde</translation>
    </message>
    <message>
        <source>The next round is starting.</source>
        <translation>Sonraki tur başlıyor.</translation>
    </message>
</context>
<context>
    <name>client::SeatDisplay</name>
    <message>
        <source>PLAYER</source>
        <translation>OYUNCU</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUAN</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>TUR</translation>
    </message>
    <message>
        <source>TILES</source>
        <translation>TAŞ</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Bekleniyor&gt;</translation>
    </message>
    <message>
        <source>Just watching: the computer plays this seat</source>
        <translation>Sadece izliyor: bu koltuğu bilgisayar oynuyor</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Bu turu pas geçiyor</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Bağlandınız.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 bağlandı.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>İzliyorsunuz.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 izliyor.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ayrıldı.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 sadece izliyor</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 yeniden oynuyor</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 bağlantısı koptu.</translation>
    </message>
    <message>
        <source>Seat %1: %2, %3 tiles, score %4</source>
        <translation>Koltuk %1: %2, %3 taş, %4 puan</translation>
    </message>
    <message>
        <source>, just watching</source>
        <translation>, sadece izliyor</translation>
    </message>
    <message>
        <source>, sitting this round out</source>
        <translation>, bu turu pas geçiyor</translation>
    </message>
    <message>
        <source>, your turn</source>
        <translation>, sıra sizde</translation>
    </message>
    <message>
        <source>, their turn</source>
        <translation>, sıra onda</translation>
    </message>
</context>
<context>
    <name>client::ShuffleCheck</name>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not match what it promised.</source>
        <translation>Uyarı: sunucunun karıştırma tohumu söz verdiğiyle uyuşmuyor.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not deal the tiles you were dealt.</source>
        <translation>Uyarı: sunucunun karıştırma tohumu size dağıtılan taşları vermiyor.</translation>
    </message>
    <message>
        <source>Shuffle checked.</source>
        <translation>Karıştırma doğrulandı.</translation>
    </message>
</context>
<context>
    <name>client::SpokenNames</name>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Turuncu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Papaz</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>tek başına</translation>
    </message>
    <message>
        <source>in a run of %1</source>
        <translation>%1 taşlık bir seride</translation>
    </message>
    <message>
        <source>in a group of %1</source>
        <translation>%1 taşlık bir grupta</translation>
    </message>
    <message>
        <source>in an unfinished set of %1</source>
        <translation>%1 taşlık tamamlanmamış bir dizide</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile: its colour, then its value (&quot;Red 7&quot;, &quot;Black King&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: boş</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Masa boş.</translation>
    </message>
    <message>
        <source>%1 tiles in %2 sets on the board, %3 of them unfinished.</source>
        <translation>Masada %2 dizide %1 taş var, %3 tanesi tamamlanmamış.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Green Queen</source>
        <translation>Yeşil Kız</translation>
    </message>
    <message>
        <source>Orange Queen</source>
        <translation>Turuncu Kız</translation>
    </message>
    <message>
        <source>Red Queen</source>
        <translation>Kırmızı Kız</translation>
    </message>
    <message>
        <source>Black Queen</source>
        <translation>Siyah Kız</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Kız</translation>
    </message>
    <message>
        <source>WILD</source>
        <extracomment>The joker as the game log and the status line name it.</extracomment>
        <translation>Joker</translation>
    </message>
</context>
<context>
    <name>client::TableLobby</name>
    <message>
        <source>the server closed the connection</source>
        <translation>sunucu bağlantıyı kapattı</translation>
    </message>
</context>
<context>
    <name>client::Tchat</name>
    <message>
        <source>Text Color</source>
        <translation>Yazı rengi</translation>
    </message>
    <message>
        <source>Your phrases could not be saved: %1</source>
        <translation>İfadeleriniz kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Bağlı değilsiniz</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 sizden farklı bir oyun sürümüne sahip.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Sizin oyun sürümünüz sunucununkinden farklı.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Daha fazla taş tutamazsınız</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Hiç taş kalmadı</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Oyun dolu</translation>
    </message>
    <message>
        <source>You are hosting: the game ends for %1.</source>
        <translation>Sunucu sizsiniz: oyun %1 için sona erer.</translation>
    </message>
    <message>
        <source>The round you are playing ends.</source>
        <translation>Oynadığınız tur sona erer.</translation>
    </message>
    <message>
        <source>You leave the game in progress: the computer plays your seat.</source>
        <translation>Süren bir oyundan ayrılıyorsunuz: koltuğunuzu bilgisayar oynar.</translation>
    </message>
    <message>
        <source>%1 all the same?</source>
        <translation>Yine de %1?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Oyunu başlat</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Sadece izle</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Oyun kur…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Oyuna katıl…</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Tek başına oyna</translation>
    </message>
    <message>
        <source>Game Records…</source>
        <translation>Oyun kayıtları…</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Pencere konumunu sıfırla</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Skor tablosu</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>İzleyiciler</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Oyun günlüğü</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>İfadeler</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Sesleri çal</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Eğlence seslerini çal</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Yazı boyutu</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Sohbeti kaydırma</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Sohbeti temizle</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Bilgisayar hızı</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Yavaş</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Hızlı</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Bilgisayar seviyesi</translation>
    </message>
    <message>
        <source>Allow Hints</source>
        <translation>İpuçlarına izin ver</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Sıra sesi</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasik</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Taş setleri</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>The new language is used when Rimbalo starts again.</source>
        <translation>Yeni dil Rimbalo yeniden başlatıldığında kullanılır.</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Ayarlarınız kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>İçindekiler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Oyundan çıkar</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>İzleyici yap</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>İzleyicilikten çıkar</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Kur</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Katıl</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Tek kişilik oyun yükleniyor… Lütfen bekleyin.</translation>
    </message>
    <message>
        <source>To play with friends, choose Host a Game… or Join a Game… in the Game menu.</source>
        <translation>Arkadaşlarınızla oynamak için Oyun menüsünden Oyun kur… veya Oyuna katıl… seçin.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Çok oyunculu oyun yükleniyor… Lütfen bekleyin.</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Oyun kurulamadı: %1</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Sunuculuğu bitir</translation>
    </message>
    <message>
        <source>Hosting a game on port %1…</source>
        <translation>%1 portunda oyun kuruluyor…</translation>
    </message>
    <message>
        <source>Joining a game at: %1…</source>
        <translation>Oyuna katılınıyor: %1…</translation>
    </message>
    <message>
        <source>the host closed the connection</source>
        <translation>sunucu bağlantıyı kapattı</translation>
    </message>
    <message>
        <source>the game is full</source>
        <translation>oyun dolu</translation>
    </message>
    <message>
        <source>Your game goes on.</source>
        <translation>Oyununuz sürüyor.</translation>
    </message>
    <message>
        <source>Friends can join this game at: %1 (Game menu, Host a Game… to copy them).</source>
        <translation>Arkadaşlar bu oyuna şuradan katılabilir: %1 (kopyalamak için Oyun menüsü, Oyun kur…).</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no answer from the game within %1 seconds</source>
        <translation>oyundan %1 saniye içinde yanıt gelmedi</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>%1 adresine bağlanılamadı: %2</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Bağlı değil: %1</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>bağlantı koptu</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>Sunucuyla bağlantı koptu.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>Sunucu oyunu kapattı.</translation>
    </message>
    <message>
        <source>The host has removed you from the game.</source>
        <translation>Sunucu sizi oyundan çıkardı.</translation>
    </message>
    <message>
        <source>The settings file could not be read; the usual settings are used.</source>
        <translation>Ayar dosyası okunamadı; varsayılan ayarlar kullanılıyor.</translation>
    </message>
    <message>
        <source>Table %1 (%2): friends join it with this code.</source>
        <translation>Masa %1 (%2): arkadaşlar bu kodla katılır.</translation>
    </message>
    <message>
        <source>%1 now holds the host&apos;s powers.</source>
        <translation>%1 artık sunucu yetkilerine sahip.</translation>
    </message>
    <message>
        <source>Reconnected.</source>
        <translation>Yeniden bağlandı.</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting… (attempt %1 in %2 s)</source>
        <translation>Bağlantı koptu — yeniden bağlanılıyor… (%2 sn içinde %1. deneme)</translation>
    </message>
    <message>
        <source>The tile set &quot;%1&quot; could not be read; the tiles keep their pictures.</source>
        <translation>&quot;%1&quot; taş seti okunamadı; taşlar eski resimlerini koruyor.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>You are sending chat faster than anyone can read it: lines are dropped until you slow down.</source>
        <translation>Kimsenin okuyamayacağı hızda sohbet gönderiyorsunuz: yavaşlayana kadar satırlar atılıyor.</translation>
    </message>
    <message>
        <source>You are sending commands faster than anyone can play: some were ignored.</source>
        <translation>Kimsenin oynayamayacağı hızda komut gönderiyorsunuz: bazıları yok sayıldı.</translation>
    </message>
    <message>
        <source>You have moved tiles more often this turn than anyone could: the rest of this turn&apos;s moves are ignored.</source>
        <translation>Bu hamlede taşları kimsenin yapamayacağı kadar çok oynattınız: bu hamlenin kalan hareketleri yok sayılıyor.</translation>
    </message>
    <message>
        <source>This server holds a single game.</source>
        <translation>Bu sunucuda tek bir oyun var.</translation>
    </message>
    <message>
        <source>You have opened too many tables. Try again in a minute.</source>
        <translation>Çok fazla masa açtınız. Bir dakika sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Every table of this server is taken.</source>
        <translation>Bu sunucunun tüm masaları dolu.</translation>
    </message>
    <message>
        <source>Your seat is no longer kept for you.</source>
        <translation>Koltuğunuz artık sizin için tutulmuyor.</translation>
    </message>
    <message>
        <source>The server is full. Try again later.</source>
        <translation>Sunucu dolu. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Too many connections from your address.</source>
        <translation>Adresinizden çok fazla bağlantı var.</translation>
    </message>
    <message>
        <source>No table with code %1.</source>
        <translation>%1 kodlu masa yok.</translation>
    </message>
    <message>
        <source>Table %1 is full.</source>
        <translation>%1 masası dolu.</translation>
    </message>
    <message>
        <source>No answer from %1: %2</source>
        <translation>%1 yanıt vermedi: %2</translation>
    </message>
    <message>
        <source>Notify Me When It Is My Turn</source>
        <translation>Sıra bende olunca bildir</translation>
    </message>
    <message>
        <source>Game Records Kept</source>
        <translation>Saklanan oyun kaydı</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Yüksek karşıtlık</translation>
    </message>
</context>
<context>
    <name>client::TurnAlert</name>
    <message>
        <source>Your turn in Rimbalo</source>
        <translation>Rimbalo&apos;da sıra sizde</translation>
    </message>
    <message>
        <source>The other players are waiting for your move.</source>
        <translation>Diğer oyuncular hamlenizi bekliyor.</translation>
    </message>
</context>
<context>
    <name>client::TurnControls</name>
    <message>
        <source>Welcome to Rimbalo By Vemko Software!</source>
        <translation>Vemko Software&apos;in Rimbalo oyununa hoş geldiniz!</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Oyun günlüğü için buraya tıklayın</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Çek</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başla</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Oyunu duraklat</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Oyun günlüğü</translation>
    </message>
    <message>
        <source>Blinks while the board is incomplete</source>
        <translation>Masa eksikken yanıp söner</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Süre: 0:00</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.</source>
        <translation>Masada eksik veya hatalı diziler var.</translation>
    </message>
    <message>
        <source>Would you like to take a %1 tile penalty and end your turn?</source>
        <translation>%1 taş ceza alıp sıranızı bitirmek ister misiniz?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least %1 points.</source>
        <translation>İlk açışınızda koyduğunuz taşlar en az %1 puan etmeli.</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>DURAKLATILDI</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Koy</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Süre: %1:%2</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>İlk açışınız en az %1 puan olmalı</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>Masa eksik.</translation>
    </message>
    <message>
        <source>Board is incomplete: %1.</source>
        <translation>Masa eksik: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Sıra sizde.</translation>
    </message>
    <message>
        <source>Close the game log</source>
        <translation>Oyun günlüğünü kapat</translation>
    </message>
</context>
<context>
    <name>windows::AddressDialog</name>
    <message>
        <source>Host address:</source>
        <translation>Sunucu adresi:</translation>
    </message>
    <message>
        <source>name, IPv4 or IPv6 address</source>
        <translation>ad, IPv4 veya IPv6 adresi</translation>
    </message>
</context>
<context>
    <name>windows::AuxWindow</name>
    <message>
        <source>Your name:</source>
        <translation>Adınız:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
</context>
<context>
    <name>windows::HelpText</name>
    <message>
        <source>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has &lt;b&gt;%1 tiles&lt;/b&gt;: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour has its own symbol: &lt;b&gt;green clubs&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange diamonds&lt;/b&gt; (&amp;#9830;), &lt;b&gt;red hearts&lt;/b&gt; (&amp;#9829;) and &lt;b&gt;black spades&lt;/b&gt; (&amp;#9824;). The tiles 11, 12 and 13 show &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; and &lt;b&gt;K&lt;/b&gt; and count 11, 12 and 13.</source>
        <translation>Rimbalo, en fazla dört oyuncunun numaralı taşlarla oynadığı bir rummy oyunudur. Oyunda &lt;b&gt;%1 taş&lt;/b&gt; vardır: dört renkte 1&apos;den 13&apos;e kadar sayılar, her biri iki kez, ve iki joker. Her rengin kendi simgesi vardır: &lt;b&gt;yeşil sinek&lt;/b&gt; (&amp;#9827;), &lt;b&gt;turuncu karo&lt;/b&gt; (&amp;#9830;), &lt;b&gt;kırmızı kupa&lt;/b&gt; (&amp;#9829;) ve &lt;b&gt;siyah maça&lt;/b&gt; (&amp;#9824;). 11, 12 ve 13 numaralı taşlarda &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; ve &lt;b&gt;K&lt;/b&gt; yazar ve bu taşlar 11, 12 ve 13 sayılır.</translation>
    </message>
    <message>
        <source>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in &lt;b&gt;sets&lt;/b&gt; and may rearrange the sets already there, as long as the whole board is made of valid sets when you finish. The first player to empty the rack wins the round and collects the value of every tile the others still hold. Rounds follow each other until a player reaches the target score.</source>
        <translation>Herkes ortak tek bir masada oynar. Sıra sizdeyken ıstakanızdan masaya &lt;b&gt;diziler&lt;/b&gt; hâlinde taş koyarsınız ve bitirdiğinizde masanın tamamı geçerli dizilerden oluştuğu sürece masadaki dizileri yeniden düzenleyebilirsiniz. Istakasını ilk boşaltan oyuncu turu kazanır ve diğerlerinin elinde kalan tüm taşların değerini toplar. Bir oyuncu hedef puana ulaşana kadar turlar birbirini izler.</translation>
    </message>
    <message>
        <source>Seats nobody holds are played by the computer. When the host starts a game, &lt;b&gt;Computer Opponents&lt;/b&gt; (1 to 3) says how many of the empty seats the computer plays (0 is offered too when a friend already holds seat 2); a team game fills all four seats. Anybody who joins after the four seats are taken watches the game as an onlooker.</source>
        <translation>Kimsenin oturmadığı koltukları bilgisayar oynar. Sunucu bir oyun başlattığında &lt;b&gt;Bilgisayar rakip&lt;/b&gt; (1 ile 3 arası), boş koltuklardan kaçını bilgisayarın oynayacağını belirler (bir arkadaş 2. koltukta zaten oturuyorsa 0 da sunulur); takım oyunu dört koltuğun hepsini doldurur. Dört koltuk dolduktan sonra katılan herkes oyunu izleyici olarak izler.</translation>
    </message>
    <message>
        <source>The computer plays at one of five levels, weakest first: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (the default), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; and &lt;b&gt;%5&lt;/b&gt;. The host chooses it as the Computer Level in the start dialog or in the Options menu. %1 never moves a tile already on the board; %3 and %4 look for the most valuable lay-down, %4 rearranging the board&apos;s sets freely; %5 also plays the next turns out before it chooses. Options, Bot Speed sets how quickly it moves.</source>
        <extracomment>%1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.</extracomment>
        <translation>Bilgisayar, en zayıftan başlayarak beş seviyeden birinde oynar: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (varsayılan), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; ve &lt;b&gt;%5&lt;/b&gt;. Sunucu bunu başlangıç penceresinde ya da Seçenekler menüsünde bilgisayar seviyesi olarak seçer. %1 masadaki bir taşı asla oynatmaz; %3 ve %4 en değerli açışı arar, %4 bunun için masadaki dizileri serbestçe yeniden düzenler; %5 ayrıca seçmeden önce herkesin sonraki hamlelerini dener. Seçenekler, Bilgisayar hızı ne kadar çabuk oynayacağını belirler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your window.&lt;/b&gt; Options, Tile Sets offers a &lt;b&gt;High contrast&lt;/b&gt; set whose colours stay apart for colour-blind players. Options, Language chooses the window&apos;s language from the next start (System follows the desktop). Screen readers can read out the rack, the board and the seats. When your turn starts while you are in another window, the window asks for attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a notice.</source>
        <translation>&lt;b&gt;Pencereniz.&lt;/b&gt; Seçenekler, Taş setleri, renkleri renk körü oyuncular için de ayırt edilebilen &lt;b&gt;Yüksek karşıtlık&lt;/b&gt; setini sunar. Seçenekler, Dil pencerenin dilini bir sonraki açılıştan itibaren seçer (Sistem masaüstünü izler). Ekran okuyucular ıstakayı, masayı ve koltukları okuyabilir. Başka bir penceredeyken sıra size gelirse pencere dikkatinizi ister ve Seçenekler menüsündeki “Sıra bende olunca bildir” kapalı değilse masaüstü bir bildirim gösterir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Game records.&lt;/b&gt; The games you host are kept: &lt;b&gt;Game, Game Records…&lt;/b&gt; lists them, replays any of them turn by turn and counts each player&apos;s games, wins and points.</source>
        <translation>&lt;b&gt;Oyun kayıtları.&lt;/b&gt; Kurduğunuz oyunlar saklanır: &lt;b&gt;Oyun, Oyun kayıtları…&lt;/b&gt; onları listeler, herhangi birini hamle hamle yeniden oynatır ve her oyuncunun oyunlarını, galibiyetlerini ve puanlarını sayar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solo game.&lt;/b&gt; Start Rimbalo without anything else and it plays a game against the computer on this machine. You sit in seat 1 as &lt;i&gt;You&lt;/i&gt;; the game starts when you press &lt;b&gt;Start&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Tek başına oyun.&lt;/b&gt; Rimbalo&apos;yu başka hiçbir şey vermeden başlatırsanız bu bilgisayarda bilgisayara karşı bir oyun açar. 1. koltukta &lt;i&gt;You&lt;/i&gt; adıyla oturursunuz; oyun &lt;b&gt;Başla&lt;/b&gt; düğmesine bastığınızda başlar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hosting a game.&lt;/b&gt; Choose &lt;b&gt;Game, Host a Game…&lt;/b&gt;, type your name and press &lt;b&gt;Host&lt;/b&gt;. The dialog then lists the addresses of this computer; &lt;b&gt;Copy&lt;/b&gt; one and send it to your friends. The game runs on TCP port %1 unless you choose another, and the host&apos;s firewall must let that port in. When the port is in use the dialog says so and offers a free one.</source>
        <extracomment>%1 is the game&apos;s usual TCP port.</extracomment>
        <translation>&lt;b&gt;Oyun kurmak.&lt;/b&gt; &lt;b&gt;Oyun, Oyun kur…&lt;/b&gt; seçin, adınızı yazın ve &lt;b&gt;Kur&lt;/b&gt; düğmesine basın. Pencere bu bilgisayarın adreslerini listeler; birini &lt;b&gt;Kopyala&lt;/b&gt; ile kopyalayıp arkadaşlarınıza gönderin. Başka bir port seçmezseniz oyun %1 numaralı TCP portunda çalışır ve sunucunun güvenlik duvarı bu porta izin vermelidir. Port kullanımdaysa pencere bunu söyler ve boş bir port önerir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Joining a game.&lt;/b&gt; Choose &lt;b&gt;Game, Join a Game…&lt;/b&gt;, type your name and the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for another port) and press &lt;b&gt;Join&lt;/b&gt;. If the host cannot be reached the dialog says why and you can try again.</source>
        <extracomment>%1 is another port than the usual one, as an example.</extracomment>
        <translation>&lt;b&gt;Oyuna katılmak.&lt;/b&gt; &lt;b&gt;Oyun, Oyuna katıl…&lt;/b&gt; seçin, adınızı ve sunucunun size verdiği adresi yazın (örneğin 192.168.1.20 ya da başka bir port için 192.168.1.20:%1) ve &lt;b&gt;Katıl&lt;/b&gt; düğmesine basın. Sunucuya ulaşılamazsa pencere nedenini söyler ve yeniden deneyebilirsiniz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tables on a server.&lt;/b&gt; Friends in different homes meet at a table server, a computer everyone can reach that holds many tables, each its own game. In &lt;b&gt;Game, Join a Game…&lt;/b&gt; type its address, then press &lt;b&gt;List Tables&lt;/b&gt; and &lt;b&gt;Join Table&lt;/b&gt;, or type a table&apos;s code and press &lt;b&gt;Join by Code&lt;/b&gt;, or &lt;b&gt;Create a Table&lt;/b&gt; and give its code to your friends (a new table is private unless you untick &lt;b&gt;Private&lt;/b&gt;). Whoever opens a table holds seat 1 and the host&apos;s powers there.</source>
        <translation>&lt;b&gt;Bir sunucudaki masalar.&lt;/b&gt; Farklı evlerdeki arkadaşlar, herkesin ulaşabildiği ve her biri ayrı bir oyun olan çok sayıda masa barındıran bir masa sunucusunda buluşur. &lt;b&gt;Oyun, Oyuna katıl…&lt;/b&gt; penceresinde sunucunun adresini yazın, sonra &lt;b&gt;Masaları listele&lt;/b&gt; ve &lt;b&gt;Masaya katıl&lt;/b&gt; düğmelerine basın; ya da bir masanın kodunu yazıp &lt;b&gt;Kodla katıl&lt;/b&gt; düğmesine basın; ya da &lt;b&gt;Masa aç&lt;/b&gt; ile yeni bir masa açıp kodunu arkadaşlarınıza verin (&lt;b&gt;Özel&lt;/b&gt; işaretini kaldırmadıkça yeni masa özeldir). Bir masayı açan kişi orada 1. koltuğa oturur ve sunucu yetkilerine sahip olur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;From the command line.&lt;/b&gt; Rimbalo can also be started with three words: your name, the host&apos;s address (with a table&apos;s code after a slash) and the role:</source>
        <translation>&lt;b&gt;Komut satırından.&lt;/b&gt; Rimbalo üç sözcükle de başlatılabilir: adınız, sunucunun adresi (eğik çizgiden sonra bir masanın koduyla) ve rol:</translation>
    </message>
    <message>
        <source>(Ann hosts the game)</source>
        <translation>(Ann oyunu kurar)</translation>
    </message>
    <message>
        <source>(Bob joins Ann&apos;s game)</source>
        <translation>(Bob, Ann&apos;in oyununa katılır)</translation>
    </message>
    <message>
        <source>(Cem joins the table K7MXQ4 of a server)</source>
        <translation>(Cem bir sunucudaki K7MXQ4 masasına katılır)</translation>
    </message>
    <message>
        <source>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who joins while a game runs takes over a free seat&apos;s tiles and score, or waits for the next round.</source>
        <translation>Sunucu her zaman 1. koltukta oynar; oyunları başlatan, duraklatan ve bir oyuncuyu çıkarabilen odur. Oyuncular bağlandıkları sırayla 2 ile 4 arasındaki koltuklara oturur; sonra gelenler izler. Oyun sürerken katılan bir oyuncu boş bir koltuğun taşlarını ve puanını devralır ya da bir sonraki turu bekler.</translation>
    </message>
    <message>
        <source>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the host leaves, the game ends for everybody.</source>
        <translation>Vemko Lobby, orada bir oyun kurduğunuzda ya da bir oyuna katıldığınızda Rimbalo&apos;yu sizin için bu şekilde başlatır. Sunucu ayrıldığında oyun herkes için biter.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The deal.&lt;/b&gt; Every playing seat gets %1 tiles (the host may choose %2 to %3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</source>
        <extracomment>%1 is the usual deal; %2 to %3 the deals the host may choose.</extracomment>
        <translation>&lt;b&gt;Dağıtım.&lt;/b&gt; Oynayan her koltuk %1 taş alır (sunucu %2 ile %3 arasında bir sayı seçebilir; ortada 10&apos;dan az taş kalacaksa daha az dağıtılır). Sıra koltuktan koltuğa geçer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sets.&lt;/b&gt; Sets lie along a row of the board, left to right, with an empty cell between neighbouring sets. Every set has at least three tiles and is either</source>
        <translation>&lt;b&gt;Diziler.&lt;/b&gt; Diziler masanın bir satırında soldan sağa durur ve komşu diziler arasında boş bir hücre bulunur. Her dizide en az üç taş vardır ve dizi şunlardan biridir:</translation>
    </message>
    <message>
        <source>a &lt;b&gt;run&lt;/b&gt;: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest number; runs do not go round from 13 to 1), or</source>
        <translation>bir &lt;b&gt;seri&lt;/b&gt;: tek renkte ardışık sayılar, örneğin yeşil 4, 5, 6 (en yüksek sayı 13&apos;tür; seriler 13&apos;ten 1&apos;e dönmez) ya da</translation>
    </message>
    <message>
        <source>a &lt;b&gt;group&lt;/b&gt;: one number in different colours, such as red 9, black 9, orange 9.</source>
        <translation>bir &lt;b&gt;grup&lt;/b&gt;: farklı renklerde aynı sayı, örneğin kırmızı 9, siyah 9, turuncu 9.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tile values.&lt;/b&gt; A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</source>
        <translation>&lt;b&gt;Taş değerleri.&lt;/b&gt; Bir taş kendi sayısı kadar değer: 1&apos;den 10&apos;a kadar; J, Q ve K ise 11, 12 ve 13 sayılır.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jokers&lt;/b&gt; stand in for any tile. A run with jokers must still fit between 1 and 13, so no joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</source>
        <translation>&lt;b&gt;Jokerler&lt;/b&gt; herhangi bir taşın yerini tutar. Jokerli bir seri de 1 ile 13 arasına sığmalıdır, bu yüzden hiçbir joker bir 1&apos;den önce ya da bir 13&apos;ten sonra duramaz; iki joker yan yana durabilir, örneğin joker, joker, yeşil 5, yeşil 6 (bir 3-4-5-6). İki jokerle bir grup altı taş tutabilir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your first lay-down&lt;/b&gt; in a round must be worth at least &lt;b&gt;%1 points&lt;/b&gt;: the tiles you lay from your rack in that turn count their numbers, a joker counts %2. Moving tiles that are already on the board counts nothing. After that, any valid board will do.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 a joker&apos;s value.</extracomment>
        <translation>Bir turdaki &lt;b&gt;ilk açışınız&lt;/b&gt; en az &lt;b&gt;%1 puan&lt;/b&gt; etmelidir: o hamlede ıstakanızdan koyduğunuz taşlar sayıları kadar, bir joker %2 sayılır. Masada zaten duran taşları oynatmak hiçbir şey saymaz. Ondan sonra her geçerli masa olur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your turn.&lt;/b&gt; Click a tile in your rack to pick it up and click an empty board cell to put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile you laid this turn to take it back. &lt;b&gt;Clear&lt;/b&gt; takes back the whole turn, &lt;b&gt;Draw&lt;/b&gt; takes one tile and ends the turn, &lt;b&gt;Finish&lt;/b&gt; ends the turn with the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. The small light next to the buttons blinks while the board is not yet complete.</source>
        <translation>&lt;b&gt;Sıranız.&lt;/b&gt; Istakanızdaki bir taşı almak için ona, bırakmak için masada boş bir hücreye tıklayın; masadaki bir taşı alıp taşımak için ona tıklayın. Istakadan bir taş alırken Shift&apos;e basılı tutarsanız serisinin sonraki iki sayısı da onunla birlikte konur, Ctrl&apos;ye basılı tutarsanız grubundan iki taş daha. Bu hamlede koyduğunuz bir taşa sağ tıklamak onu geri alır. &lt;b&gt;Geri al&lt;/b&gt; bütün hamleyi geri alır, &lt;b&gt;Çek&lt;/b&gt; bir taş çeker ve sırayı bitirir, &lt;b&gt;Bitir&lt;/b&gt; sırayı konan taşlarla bitirir; bu düğme bir taş koyduğunuzda ya da oynattığınızda görünür. Yeni çektiğiniz bir taş ve ceza olarak size verilen her taş, ıstakanıza yeniden dokunana kadar mavi bir köşe taşır. Düğmelerin yanındaki küçük ışık masa tamamlanmadığı sürece yanıp söner.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hint.&lt;/b&gt; During your turn &lt;b&gt;Hint&lt;/b&gt; outlines the rack tiles of the most valuable lay-down the board allows, its sets rearranged as needed (before your first lay-down only one worth %1); press it again (it then reads &lt;b&gt;Place&lt;/b&gt;) to lay them, then Finish. The host can switch hints off (Options, Allow Hints). Hints come from the same search the %2 computer players use.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.</extracomment>
        <translation>&lt;b&gt;İpucu.&lt;/b&gt; Sıra sizdeyken &lt;b&gt;İpucu&lt;/b&gt;, masanın izin verdiği en değerli açışın ıstakadaki taşlarını işaretler; gerekirse masadaki diziler yeniden düzenlenir (ilk açışınızdan önce yalnızca %1 puanlık bir açış); taşları koymak için düğmeye yeniden basın (düğmede o zaman &lt;b&gt;Koy&lt;/b&gt; yazar), sonra Bitir&apos;e basın. Sunucu ipuçlarını kapatabilir (Seçenekler, İpuçlarına izin ver). İpuçları, %2 seviyesindeki bilgisayar oyuncularının kullandığı aramanın aynısından gelir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The clock.&lt;/b&gt; Every turn runs against a clock (%1 seconds unless the host chooses %2 to %3). When the time is up the turn is taken back and you draw %4 tiles, or one when the host switched the time penalty off.</source>
        <extracomment>%1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the tiles drawn as the time penalty.</extracomment>
        <translation>&lt;b&gt;Saat.&lt;/b&gt; Her hamle saate karşı oynanır (sunucu %2 ile %3 arasında bir süre seçmezse %1 saniye). Süre dolduğunda hamle geri alınır ve %4 taş çekersiniz; sunucu süre cezasını kapattıysa bir taş.</translation>
    </message>
    <message>
        <source>&lt;b&gt;An incomplete board.&lt;/b&gt; If you finish while the board holds an incomplete or wrong set, you are offered a &lt;b&gt;%1-tile penalty&lt;/b&gt;: take it and your turn is taken back and ends, or go back and mend the board. With less than 10 seconds left the turn is taken back at once.</source>
        <extracomment>%1 is the number of penalty tiles.</extracomment>
        <translation>&lt;b&gt;Eksik bir masa.&lt;/b&gt; Masada eksik ya da hatalı bir dizi varken bitirirseniz size &lt;b&gt;%1 taş ceza&lt;/b&gt; önerilir: kabul ederseniz hamleniz geri alınır ve sıranız biter; ya da geri dönüp masayı düzeltirsiniz. 10 saniyeden az kaldıysa hamle hemen geri alınır.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Sort by Numbers&lt;/b&gt; and &lt;b&gt;Sort by Suits&lt;/b&gt; buttons sort your rack; a right-click on any rack tile sorts it again.</source>
        <translation>&lt;b&gt;Sayılara göre sırala&lt;/b&gt; ve &lt;b&gt;Renklere göre sırala&lt;/b&gt; düğmeleri ıstakanızı sıralar; ıstakadaki herhangi bir taşa sağ tıklamak onu yeniden sıralar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop.&lt;/b&gt; You can also drag a tile from the rack to the board, from one cell to another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to move its whole set. During your turn a set that is not yet valid has a dashed amber outline (the red frames mark the cells of the last move); when the server refuses a Finish, the line under the board names the set at fault. A move that cannot be made says why under the board, and during your first lay-down the line under the board counts its value towards %1.</source>
        <extracomment>%1 is the least value of a first lay-down.</extracomment>
        <translation>&lt;b&gt;Sürükle ve bırak.&lt;/b&gt; Bir taşı ıstakadan masaya, bir hücreden diğerine ya da geri almak için ıstakaya da sürükleyebilirsiniz. Masadaki bir taşı sürüklerken Alt ya da Shift&apos;e basılı tutarsanız dizinin tamamı taşınır. Sıra sizdeyken henüz geçerli olmayan bir dizinin çevresinde kesikli, kehribar renkli bir çizgi olur (kırmızı çerçeveler son hamlenin hücrelerini gösterir); sunucu bir Bitir&apos;i reddettiğinde masanın altındaki satır hatalı diziyi söyler. Yapılamayan bir hamle nedenini masanın altında söyler ve ilk açışınız sırasında masanın altındaki satır, açışın gereken %1 puanın ne kadarını tuttuğunu gösterir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard.&lt;/b&gt; Click the board first (Esc leaves the chat line). &lt;b&gt;Enter&lt;/b&gt; finishes the turn once you have laid tiles (with nothing laid it does nothing: press &lt;b&gt;D&lt;/b&gt; to draw), &lt;b&gt;D&lt;/b&gt; draws, &lt;b&gt;Esc&lt;/b&gt; puts the tile in your hand back or else clears the turn, &lt;b&gt;1&lt;/b&gt; and &lt;b&gt;2&lt;/b&gt; sort by numbers and by suits, &lt;b&gt;P&lt;/b&gt; pauses, &lt;b&gt;H&lt;/b&gt; asks for a hint and, pressed again, lays it. The &lt;b&gt;arrow keys&lt;/b&gt; move a yellow frame over the rack and the board; &lt;b&gt;Space&lt;/b&gt; picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</source>
        <translation>&lt;b&gt;Klavye.&lt;/b&gt; Önce masaya tıklayın (Esc sohbet satırından çıkar). Taş koyduysanız &lt;b&gt;Enter&lt;/b&gt; sırayı bitirir (hiçbir şey koymadıysanız hiçbir şey yapmaz: taş çekmek için &lt;b&gt;D&lt;/b&gt; tuşuna basın), &lt;b&gt;D&lt;/b&gt; taş çeker, &lt;b&gt;Esc&lt;/b&gt; elinizdeki taşı geri koyar, yoksa hamleyi geri alır, &lt;b&gt;1&lt;/b&gt; ve &lt;b&gt;2&lt;/b&gt; sayılara ve renklere göre sıralar, &lt;b&gt;P&lt;/b&gt; duraklatır, &lt;b&gt;H&lt;/b&gt; ipucu ister ve yeniden basılınca onu koyar. &lt;b&gt;Ok tuşları&lt;/b&gt; ıstaka ve masa üzerinde sarı bir çerçeve gezdirir; &lt;b&gt;Boşluk&lt;/b&gt; altındaki taşı alır ya da bırakır (Shift+Boşluk ya da Ctrl+Boşluk ıstakadaki bir taşı serisi ya da grubu için alır).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Laying tiles.&lt;/b&gt; Every turn you finish adds the value of the tiles you laid from your rack to your score: numbers count their face value, a joker counts %1.</source>
        <extracomment>%1 is a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Taş koymak.&lt;/b&gt; Bitirdiğiniz her hamle, ıstakanızdan koyduğunuz taşların değerini puanınıza ekler: sayılar üzerlerindeki değeri, bir joker %1 sayılır.</translation>
    </message>
    <message>
        <source>&lt;b&gt;End of the round.&lt;/b&gt; When a player empties the rack the round is over. Every other player loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The &lt;i&gt;Round&lt;/i&gt; column shows each seat&apos;s result of the last round.</source>
        <translation>&lt;b&gt;Turun sonu.&lt;/b&gt; Bir oyuncu ıstakasını boşalttığında tur biter. Diğer her oyuncu ıstakasında kalan taşların değerini kaybeder ve turu kazanan bunun tamamını alır. Ortada taş kalmaz ve kimse bitiremezse her oyuncu ıstakasının değerini kaybeder ve kimse bir şey kazanmaz. &lt;i&gt;Tur&lt;/i&gt; sütunu her koltuğun son turdaki sonucunu gösterir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Winning.&lt;/b&gt; When a seat reaches the target score (%1 unless the host chooses otherwise) with the highest score, it wins the game. If two seats share the highest score another round is played. The next round starts 20 seconds after the last one ended.</source>
        <extracomment>%1 is the usual target score.</extracomment>
        <translation>&lt;b&gt;Kazanmak.&lt;/b&gt; Bir koltuk hedef puana (sunucu başka bir değer seçmezse %1) en yüksek puanla ulaştığında oyunu kazanır. İki koltuk en yüksek puanı paylaşırsa bir tur daha oynanır. Sonraki tur, bir öncekinin bitişinden 20 saniye sonra başlar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Team game.&lt;/b&gt; Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); the computer plays any seat nobody holds. Partners share one score, and one partner&apos;s first lay-down counts for both. A team wins the round when both partners have emptied their racks, and gains the value of both opponents&apos; racks, which the other team loses.</source>
        <translation>&lt;b&gt;Takım oyunu.&lt;/b&gt; 1. ve 3. koltuklar (Yeşil Takım), 2. ve 4. koltuklara (Kahverengi Takım) karşı oynar; kimsenin oturmadığı koltukları bilgisayar oynar. Ortaklar tek bir puanı paylaşır ve bir ortağın ilk açışı ikisi için de geçerlidir. Bir takım, iki ortak da ıstakalarını boşalttığında turu kazanır ve iki rakibin ıstakalarının değerini alır; diğer takım bu değeri kaybeder.</translation>
    </message>
    <message>
        <source>Rimbalo version %1, by Vemko Software.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rimbalo sürüm %1, Vemko Software tarafından.</translation>
    </message>
    <message>
        <source>The tiles, the board and every picture in the game are drawn by the program itself.</source>
        <translation>Taşlar, masa ve oyundaki her resim programın kendisi tarafından çizilir.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in &lt;i&gt;vemkolobby.ini&lt;/i&gt; and its tally in &lt;i&gt;rimbalotally.tld&lt;/i&gt; beside the program, or in your own data folder when the game is installed or its folder cannot be written; the records of the games you host go to that data folder.</source>
        <translation>Rimbalo ayarlarını &lt;i&gt;vemkolobby.ini&lt;/i&gt; dosyasında, skor tablosunu da &lt;i&gt;rimbalotally.tld&lt;/i&gt; dosyasında programın yanında tutar; oyun kuruluysa ya da klasörüne yazılamıyorsa bunları kendi veri klasörünüzde tutar. Kurduğunuz oyunların kayıtları bu veri klasörüne gider.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Sürüm geçmişi</translation>
    </message>
    <message>
        <source>the game window, hosting and joining games, seats and onlookers; tables on a server and their codes; five computer levels and hints; game records and their replay; a high-contrast tile set, screen readers and a turn alert; the window in eight languages.</source>
        <translation>oyun penceresi, oyun kurma ve oyuna katılma, koltuklar ve izleyiciler; bir sunucudaki masalar ve kodları; beş bilgisayar seviyesi ve ipuçları; oyun kayıtları ve yeniden oynatılmaları; yüksek karşıtlıklı bir taş seti, ekran okuyucular ve sıra uyarısı; sekiz dilde pencere.</translation>
    </message>
    <message>
        <source>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, the host&apos;s address and your role, and Rimbalo tells the lobby that the game is running for as long as it stays open.</source>
        <translation>Vemko Lobby, Rimbalo&apos;nun yapımcılarının ayrı bir programıdır; oyuncular orada buluşur, sohbet eder ve oyun açar. Orada bir Rimbalo oyunu kurduğunuzda ya da bir oyuna katıldığınızda lobi Rimbalo&apos;yu adınız, sunucunun adresi ve rolünüzle başlatır; Rimbalo da açık kaldığı sürece oyunun sürdüğünü lobiye bildirir.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in its own section of the lobby&apos;s settings file, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, and never changes the lobby&apos;s own settings there.</source>
        <translation>Rimbalo ayarlarını lobinin ayar dosyası &lt;i&gt;vemkolobby.ini&lt;/i&gt; içinde kendine ait bir bölümde tutar ve oradaki lobi ayarlarını asla değiştirmez.</translation>
    </message>
</context>
<context>
    <name>windows::HostDialog</name>
    <message>
        <source>Rimbalo - Host a Game</source>
        <translation>Rimbalo - Oyun kur</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Oyun kur</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Kur</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Sunuculuğu bitir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Choose Host: this game ends and a new one opens for your friends to join.</source>
        <translation>Kur&apos;u seçin: bu oyun biter ve arkadaşlarınız için yenisi açılır.</translation>
    </message>
    <message>
        <source>You are hosting on port %1. Give your friends one of these addresses (those on the first lines work from other computers):</source>
        <translation>%1 portunda sunucusunuz. Arkadaşlarınıza bu adreslerden birini verin (üsttekiler başka bilgisayarlardan çalışır):</translation>
    </message>
    <message>
        <source>You are hosting on port %1, but this computer has no network address others can reach: only this computer can join.</source>
        <translation>%1 portunda sunucusunuz, ama bu bilgisayarın başkalarının ulaşabileceği bir adresi yok: yalnızca bu bilgisayar katılabilir.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2.</source>
        <translation>%1 portu kullanılamıyor: %2.</translation>
    </message>
    <message>
        <source> Port %1 is free.</source>
        <translation> %1 portu boş.</translation>
    </message>
    <message>
        <source>Use Port %1</source>
        <translation>%1 portunu kullan</translation>
    </message>
    <message>
        <source> Choose another port.</source>
        <translation> Başka bir port seçin.</translation>
    </message>
</context>
<context>
    <name>windows::JoinDialog</name>
    <message>
        <source>Rimbalo - Join a Game</source>
        <translation>Rimbalo - Oyuna katıl</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Oyuna katıl</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Katıl</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Lütfen adınızı girin.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Lütfen sunucunun adresini girin.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host address.</source>
        <translation>&quot;%1&quot; bir sunucu adresi değil.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>bekliyor</translation>
    </message>
    <message>
        <source>to %1, %2 s a turn, %3 tiles</source>
        <translation>%1 puan, hamle %2 sn, %3 taş</translation>
    </message>
    <message>
        <source>Tables on a server</source>
        <translation>Bir sunucudaki masalar</translation>
    </message>
    <message>
        <source>List Tables</source>
        <translation>Masaları listele</translation>
    </message>
    <message>
        <source>of the server at the address above</source>
        <translation>yukarıdaki adresteki sunucuda</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Yer</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>İzleyici</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Join Table</source>
        <translation>Masaya katıl</translation>
    </message>
    <message>
        <source>code</source>
        <translation>kod</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Kodla katıl</translation>
    </message>
    <message>
        <source>new table&apos;s name</source>
        <translation>yeni masanın adı</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Create a Table</source>
        <translation>Masa aç</translation>
    </message>
    <message>
        <source>Asking %1 for its tables…</source>
        <translation>%1 sunucusundan masalar isteniyor…</translation>
    </message>
    <message>
        <source>%1 has no open tables: create one.</source>
        <translation>%1 sunucusunda açık masa yok: bir tane açın.</translation>
    </message>
    <message>
        <source>Open tables of %1.</source>
        <translation>%1 sunucusundaki açık masalar.</translation>
    </message>
    <message>
        <source>Choose a table in the list, or type its code.</source>
        <translation>Listeden bir masa seçin ya da kodunu yazın.</translation>
    </message>
    <message>
        <source>Please type the table&apos;s code.</source>
        <translation>Lütfen masanın kodunu yazın.</translation>
    </message>
    <message>
        <source>Joining table %1…</source>
        <translation>%1 masasına katılınıyor…</translation>
    </message>
    <message>
        <source>Creating a table…</source>
        <translation>Masa açılıyor…</translation>
    </message>
</context>
<context>
    <name>windows::TableCodeDialog</name>
    <message>
        <source>Rimbalo - Your Table</source>
        <translation>Rimbalo - Masanız</translation>
    </message>
    <message>
        <source>Your Table</source>
        <translation>Masanız</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed on %2. Friends can also type this code in Join a Game….</source>
        <translation>&quot;%1&quot;, %2 listesinde. Arkadaşlarınız bu kodu Oyuna katıl… penceresine de yazabilir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is private: only those you give this code to can join it, in Join a Game… at %2.</source>
        <translation>&quot;%1&quot; özel: yalnızca bu kodu verdiğiniz kişiler, %2 adresinde Oyuna katıl… ile katılabilir.</translation>
    </message>
</context>
<context>
    <name>windows::Tabout</name>
    <message>
        <source>Rimbalo - About</source>
        <translation>Rimbalo - Hakkında</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Telif hakkı ©</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>windows::Tdownload</name>
    <message>
        <source>If you already have The Vemko Lobby and you wish to play with others then click the button below to close this game and open The Vemko Lobby.</source>
        <translation>Vemko Lobby zaten sizde varsa ve başkalarıyla oynamak istiyorsanız, bu oyunu kapatıp Vemko Lobby&apos;yi açmak için aşağıdaki düğmeye tıklayın.</translation>
    </message>
    <message>
        <source>To play with others, host a game on this computer or join a friend&apos;s game: click the button below.</source>
        <translation>Başkalarıyla oynamak için bu bilgisayarda oyun kurun ya da bir arkadaşınızın oyununa katılın: aşağıdaki düğmeye tıklayın.</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby</source>
        <translation>Vemko Lobby&apos;yi indir</translation>
    </message>
    <message>
        <source>No download address is set: add LobbyUrl= and the installer&apos;s address to the [rimbalo] section of vemkolobby.ini.</source>
        <translation>İndirme adresi ayarlanmamış: vemkolobby.ini dosyasının [rimbalo] bölümüne LobbyUrl= ve kurulum dosyasının adresini ekleyin.</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>KAPALI</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Bu ve diğer heyecanlı oyunları başkalarıyla çevrim içi oynamak için Vemko Lobby&apos;yi şimdi indirin! </translation>
    </message>
    <message>
        <source>Download And Install The Vemko Lobby Now</source>
        <translation>Vemko Lobby&apos;yi şimdi indir ve kur</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Başkalarına karşı oynamadan oyuna devam etmek için aşağıdaki düğmeye tıklayın.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Tek başına oyna</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Başkalarıyla oyna</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Not: Çevrim dışı oynasanız bile oyunun internet bileşenlerine erişmesi için GÜVENLİK DUVARINIZI ayarlamanız gerekir.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Bunu bir daha gösterme</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>İndirme iptal edildi</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>İndiriliyor: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Sunucu %1 %2 yanıtını verdi</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>%2 baytın yalnızca %1 kadarı geldi</translation>
    </message>
    <message>
        <source>The server sent an empty file</source>
        <translation>Sunucu boş bir dosya gönderdi</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bayt alındı</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Kuruluyor</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Bir hata oluştu.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>İndirme iptal edildi.</translation>
    </message>
    <message>
        <source>Please close the game and open the Vemko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Lütfen oyunu kapatın ve Vemko Lobby&apos;yi masaüstünüzdeki simgeden ya da Windows başlat menüsünden açın.</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Oyun kur…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Oyuna katıl…</translation>
    </message>
</context>
<context>
    <name>windows::Tgamestart</name>
    <message>
        <source>Rimbalo - Game Start</source>
        <translation>Rimbalo - Oyun başlangıcı</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Oyun seçenekleri</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Hedef puan:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <translation>Hamle süresi:</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Başlangıç taşı:</translation>
    </message>
    <message>
        <source>Computer Opponents:</source>
        <translation>Bilgisayar rakip:</translation>
    </message>
    <message>
        <source>How many empty seats the computer plays (a team game fills all four); 0 when a friend holds seat 2 and nobody else is wanted</source>
        <translation>Bilgisayarın kaç boş koltuğu oynayacağı (takım oyunu dördünü de doldurur); 2. koltukta bir arkadaş varsa ve başka kimse istenmiyorsa 0</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Süre cezası</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Takım oyunu</translation>
    </message>
    <message>
        <source>Computer Level:</source>
        <translation>Bilgisayar seviyesi:</translation>
    </message>
    <message>
        <source>How well the computer seats play, from Beginner to Master</source>
        <translation>Bilgisayar koltuklarının ne kadar iyi oynadığı, Acemi&apos;den Usta&apos;ya</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başla</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>sn</translation>
    </message>
</context>
<context>
    <name>windows::Thelp</name>
    <message>
        <source>Rimbalo - Help File</source>
        <translation>Rimbalo - Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Genel bakış</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Bağlanma</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puanlama</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Belgeler</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Lobi</translation>
    </message>
</context>
<context>
    <name>windows::Tphrases</name>
    <message>
        <source>Rimbalo - Phrase Buttons </source>
        <translation>Rimbalo - İfade düğmeleri </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>İfade %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Düğmeler 2 saniyede bir kullanılabilir</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>windows::Tspylist</name>
    <message>
        <source>Rimbalo - Spys</source>
        <translation>Rimbalo - İzleyiciler</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>İzleyiciler</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Oyundan çıkar</translation>
    </message>
</context>
<context>
    <name>windows::Ttallylist</name>
    <message>
        <source>Rimbalo - Tally List</source>
        <translation>Rimbalo - Skor tablosu</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Skoru sıfırla</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Toplam oyun:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Galibiyetleriniz:</translation>
    </message>
    <message>
        <source>Var3:</source>
        <translation>Var3:</translation>
    </message>
    <message>
        <source>Var4:</source>
        <translation>Var4:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Bu oyundaki oyuncular</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Takip edilen oyuncular</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Oturum</translation>
    </message>
    <message>
        <source>Number of Games:</source>
        <translation>Oyun sayısı:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Kimse kazanmadı:</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to open input file : %1</source>
        <translation>Lzrw1 (de)sıkıştırma: giriş dosyası açılamadı: %1</translation>
    </message>
    <message>
        <source>%1 is far too large for a tally.</source>
        <translation>%1 bir skor tablosu için çok büyük.</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input file : %1</source>
        <translation>Lzrw1: giriş dosyası okunurken hata: %1</translation>
    </message>
    <message>
        <source>%1 does not hold a tally.</source>
        <translation>%1 bir skor tablosu içermiyor.</translation>
    </message>
    <message>
        <source>The file is kept as %1 and a new tally is started.</source>
        <translation>Dosya %1 olarak saklandı ve yeni bir skor tablosu başladı.</translation>
    </message>
    <message>
        <source>A new tally is started; it will not be saved over that file.</source>
        <translation>Yeni bir skor tablosu başladı; o dosyanın üzerine kaydedilmeyecek.</translation>
    </message>
    <message>
        <source>The tally could not be saved to %1: %2</source>
        <translation>Skor tablosu %1 konumuna kaydedilemedi: %2</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Bu, %1 oyuncusunun skorunu silecek. Silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>%1 galibiyeti:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>%1 skoru</translation>
    </message>
    <message>
        <source>Select a player to tally</source>
        <translation>Skorunu görmek için bir oyuncu seçin</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Skor tablosunu sıfırlamak istediğinize emin misiniz?</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>İstatistikler</translation>
    </message>
</context>
</TS>
