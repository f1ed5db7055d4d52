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
