#include "StrRes.h"

// Every text the user sees in more than one language, one element per
// language in LangIdTable_t order. Wide literals keep each text a single
// Unicode literal, exactly as the translators wrote it: spacing, full-width
// punctuation and odd placeholders ("% s") included.
namespace StrRes
{
const juce::String DEFAULT_FONT_WIN[LANG_MAX] =
{
    L"Verdana", // LANG_EN
    L"Verdana", // LANG_FR
    L"Verdana", // LANG_DE
    L"Verdana", // LANG_ES
    L"Verdana", // LANG_IT
    L"Verdana", // LANG_NL
    L"Verdana", // LANG_RU
    L"Verdana", // LANG_PT
    L"Microsoft YaHei", // LANG_ZH_HANS
    L"Microsoft JhengHei", // LANG_ZH_HANT
    L"Malgun Gothic", // LANG_KO
    L"MS PGothic", // LANG_JA
};

const juce::String DEFAULT_FONT_MAC[LANG_MAX] =
{
    L"Verdana", // LANG_EN
    L"Verdana", // LANG_FR
    L"Verdana", // LANG_DE
    L"Verdana", // LANG_ES
    L"Verdana", // LANG_IT
    L"Verdana", // LANG_NL
    L"Geneva CY", // LANG_RU
    L"Verdana", // LANG_PT
    L"STHeiti", // LANG_ZH_HANS
    L"STHeiti", // LANG_ZH_HANT
    L"Apple SD Gothic Neo", // LANG_KO
    L"Hiragino Sans W5", // LANG_JA
};

const juce::String LANGUAGE_SELECTION[LANG_MAX] =
{
    L"English", // LANG_EN
    L"Français", // LANG_FR
    L"Deutsch", // LANG_DE
    L"Español", // LANG_ES
    L"Italiano", // LANG_IT
    L"Nederlands", // LANG_NL
    L"Русский", // LANG_RU
    L"Português", // LANG_PT
    L"简体中文", // LANG_ZH_HANS
    L"繁體中文", // LANG_ZH_HANT
    L"한국어", // LANG_KO
    L"日本語", // LANG_JA
};

const juce::String NULL_STR[LANG_MAX] =
{
    L"", // LANG_EN
    L"", // LANG_FR
    L"", // LANG_DE
    L"", // LANG_ES
    L"", // LANG_IT
    L"", // LANG_NL
    L"", // LANG_RU
    L"", // LANG_PT
    L"", // LANG_ZH_HANS
    L"", // LANG_ZH_HANT
    L"", // LANG_KO
    L"", // LANG_JA
};

const juce::String NAME_000[LANG_MAX] =
{
    L"KRV", // LANG_EN
    L"KRV", // LANG_FR
    L"KRV", // LANG_DE
    L"KRV", // LANG_ES
    L"KRV", // LANG_IT
    L"KRV", // LANG_NL
    L"KRV", // LANG_RU
    L"KRV", // LANG_PT
    L"KRV", // LANG_ZH_HANS
    L"KRV", // LANG_ZH_HANT
    L"KRV", // LANG_KO
    L"KRV", // LANG_JA
};

const juce::String NAME_001[LANG_MAX] =
{
    L"KRV-TM40", // LANG_EN
    L"KRV-TM40", // LANG_FR
    L"KRV-TM40", // LANG_DE
    L"KRV-TM40", // LANG_ES
    L"KRV-TM40", // LANG_IT
    L"KRV-TM40", // LANG_NL
    L"KRV-TM40", // LANG_RU
    L"KRV-TM40", // LANG_PT
    L"KRV-TM40", // LANG_ZH_HANS
    L"KRV-TM40", // LANG_ZH_HANT
    L"KRV-TM40", // LANG_KO
    L"KRV-TM40", // LANG_JA
};

const juce::String STR_0000[LANG_MAX] =
{
    L"Updater Program", // LANG_EN
    L"Programme de mise à jour", // LANG_FR
    L"Aktualisierungsprogramm", // LANG_DE
    L"Programa actualizador", // LANG_ES
    L"Programma di aggiornamento", // LANG_IT
    L"Updateprogramma", // LANG_NL
    L"Программа обновления", // LANG_RU
    L"Programa de Atualização", // LANG_PT
    L"升级程序", // LANG_ZH_HANS
    L"更新程式", // LANG_ZH_HANT
    L"업데이터 프로그램", // LANG_KO
    L"アップデートプログラム", // LANG_JA
};

const juce::String STR_0001[LANG_MAX] =
{
    L"OK", // LANG_EN
    L"OK", // LANG_FR
    L"OK", // LANG_DE
    L"Aceptar", // LANG_ES
    L"OK", // LANG_IT
    L"Akkoord", // LANG_NL
    L"ОК", // LANG_RU
    L"OK", // LANG_PT
    L"确定", // LANG_ZH_HANS
    L"確定", // LANG_ZH_HANT
    L"OK", // LANG_KO
    L"OK", // LANG_JA
};

const juce::String STR_0002[LANG_MAX] =
{
    L"Start", // LANG_EN
    L"Démarrer", // LANG_FR
    L"Start", // LANG_DE
    L"Iniciar", // LANG_ES
    L"Start", // LANG_IT
    L"Beginnen", // LANG_NL
    L"Запустить", // LANG_RU
    L"Iniciar", // LANG_PT
    L"开始", // LANG_ZH_HANS
    L"開始", // LANG_ZH_HANT
    L"시작", // LANG_KO
    L"開始", // LANG_JA
};

const juce::String STR_0003[LANG_MAX] =
{
    L"Cancel", // LANG_EN
    L"Annuler", // LANG_FR
    L"Abbrechen", // LANG_DE
    L"Cancelar", // LANG_ES
    L"Annulla", // LANG_IT
    L"Annuleren", // LANG_NL
    L"Отменить", // LANG_RU
    L"Cancelar", // LANG_PT
    L"取消", // LANG_ZH_HANS
    L"取消", // LANG_ZH_HANT
    L"취소", // LANG_KO
    L"キャンセル", // LANG_JA
};

const juce::String STR_0004[LANG_MAX] =
{
    L"Close", // LANG_EN
    L"Fermer", // LANG_FR
    L"Schließen", // LANG_DE
    L"Cerrar", // LANG_ES
    L"Chiudi", // LANG_IT
    L"Sluiten", // LANG_NL
    L"Закрыть", // LANG_RU
    L"Fechar", // LANG_PT
    L"关闭", // LANG_ZH_HANS
    L"關閉", // LANG_ZH_HANT
    L"닫기", // LANG_KO
    L"終了", // LANG_JA
};

const juce::String STR_0005[LANG_MAX] =
{
    L"Language Selections", // LANG_EN
    L"Sélection de langue", // LANG_FR
    L"Sprachenwahl", // LANG_DE
    L"Selección de idiomas", // LANG_ES
    L"Scelta della lingua", // LANG_IT
    L"Taalkeuze", // LANG_NL
    L"Выбор языка", // LANG_RU
    L"Seleção do Idioma", // LANG_PT
    L"语言选择", // LANG_ZH_HANS
    L"語言選擇", // LANG_ZH_HANT
    L"언어", // LANG_KO
    L"言語の選択", // LANG_JA
};

const juce::String STR_0006[LANG_MAX] =
{
    L"Please select a language.", // LANG_EN
    L"Veuillez sélectionner une langue.", // LANG_FR
    L"Bitte wählen Sie eine Sprache.", // LANG_DE
    L"Seleccione un idioma.", // LANG_ES
    L"Scegli una lingua.", // LANG_IT
    L"Kies een taal a.u.b.", // LANG_NL
    L"Пожалуйста, выберите язык.", // LANG_RU
    L"Seleccione um idioma.", // LANG_PT
    L"请选择一种语言。", // LANG_ZH_HANS
    L"請選擇語言。", // LANG_ZH_HANT
    L"언어를 선택하십시오.", // LANG_KO
    L"ご使用になる言語を選択してください。", // LANG_JA
};

const juce::String STR_0007[LANG_MAX] =
{
    L"There is an error in the update file.", // LANG_EN
    L"Il y a une erreur dans le fichier de mise à jour.", // LANG_FR
    L"Es gibt einen Fehler in der Aktualisierungsdatei.", // LANG_DE
    L"Se ha producido un error en el archivo de actualización.", // LANG_ES
    L"Si è verificato un errore nel file di aggiornamento.", // LANG_IT
    L"Er is een fout in het updatebestand.", // LANG_NL
    L"Ошибка в файле обновления.", // LANG_RU
    L"Houve um erro no arquivo de atualização.", // LANG_PT
    L"更新文件出错。", // LANG_ZH_HANS
    L"檔案更新時出現錯誤。", // LANG_ZH_HANT
    L"업데이트 파일에 오류가 있습니다.", // LANG_KO
    L"更新ファイルにエラーがあります。", // LANG_JA
};

const juce::String STR_0008[LANG_MAX] =
{
    L"Your %s is not connected.", // LANG_EN
    L"Votre %s n'est pas connecté.", // LANG_FR
    L"Ihr %s ist nicht angeschlossen.", // LANG_DE
    L"Su %s no está conectado.", // LANG_ES
    L"Il %s non è collegato.", // LANG_IT
    L"Uw %s is niet aangesloten.", // LANG_NL
    L"Устройство %s не подсоединено.", // LANG_RU
    L"Seu %s não está conectado.", // LANG_PT
    L"没有连接 %s。", // LANG_ZH_HANS
    L"未連接 %s。", // LANG_ZH_HANT
    L"%s가 연결되어 있지 않습니다.", // LANG_KO
    L"%sが接続されていません。", // LANG_JA
};

const juce::String STR_0009[LANG_MAX] =
{
    L"Updates the version of your %s firmware.", // LANG_EN
    L"Met à jour la version du microprogramme de %s.", // LANG_FR
    L"Aktualisiert die Version Ihrer %s Firmware.", // LANG_DE
    L"Actualiza la versión del firmware del %s.", // LANG_ES
    L"Aggiorna la versione del firmware del %s.", // LANG_IT
    L"Werkt uw %s firmware bij.", // LANG_NL
    L"Обновляет версию Вашего встроенного программного обеспечения %s.", // LANG_RU
    L"Atualizar a versão do firmware do %s.", // LANG_PT
    L"升级您的%s固件版本。", // LANG_ZH_HANS
    L"更新%s韌體的版本。", // LANG_ZH_HANT
    L"%s의 펌웨어 버전을 업데이트 합니다.", // LANG_KO
    L"%sファームウェアのバージョンアップを行います。", // LANG_JA
};

const juce::String STR_0010[LANG_MAX] =
{
    L"Current Version: Ver. %s.%02s", // LANG_EN
    L"Version actuelle: Ver. %s.%02s", // LANG_FR
    L"Gegenwärtige Version: Ver. %s.%02s", // LANG_DE
    L"Versión actual: Ver. %s.%02s", // LANG_ES
    L"Versione attualmente installata: %s.%02s", // LANG_IT
    L"Huidige versie: Ver. %s.%02s", // LANG_NL
    L"Настоящая версия: Версия %s.%02s", // LANG_RU
    L"Versão actual: Ver. %s.%02s", // LANG_PT
    L"当前版本: Ver. %s.%02s", // LANG_ZH_HANS
    L"目前版本: %s.%02s版", // LANG_ZH_HANT
    L"현재 버전: Ver. %s.%02s", // LANG_KO
    L"現在のバージョン: Ver%s.%02s", // LANG_JA
};

const juce::String STR_0011[LANG_MAX] =
{
    L"Update Version: Ver. %s.%02s", // LANG_EN
    L"Version de mise à jour: Ver. %s.%02s", // LANG_FR
    L"Aktualisierte Version: Ver. %s.%02s", // LANG_DE
    L"Versión de actualización: Ver. %s.%02s", // LANG_ES
    L"Versione aggiornata: %s.%02s", // LANG_IT
    L"Versie na de update: Ver. %s.%02s", // LANG_NL
    L"Обновленная версия: Версия %s.%02s", // LANG_RU
    L"Actualizar versão: Ver. %s.%02s", // LANG_PT
    L"升级版本: Ver. %s.%02s", // LANG_ZH_HANS
    L"更新版本: %s.%02s版", // LANG_ZH_HANT
    L"업데이트 버전: Ver. %s.%02s", // LANG_KO
    L"更新バージョン: Ver%s.%02s", // LANG_JA
};

const juce::String STR_0012[LANG_MAX] =
{
    L"Updating your %s firmware.", // LANG_EN
    L"Mise à jour du microprogramme de %s.", // LANG_FR
    L"Ihre %s-Firmware wird aktualisiert.", // LANG_DE
    L"Actualizando el firmware de su %s.", // LANG_ES
    L"Aggiornamento del firmware del %s in corso.", // LANG_IT
    L"De firmware van uw %swordt bijgewerkt.", // LANG_NL
    L"Обновление Вашего встроенного программного обеспечения %s.", // LANG_RU
    L"Atualizando o firmware do seu% s.", // LANG_PT
    L"升级您的%s固件。", // LANG_ZH_HANS
    L"更新%s韌體。", // LANG_ZH_HANT
    L"%s의 펌웨어 업데이트 하기.", // LANG_KO
    L"%sファームウェアのアップデートを実行中です。", // LANG_JA
};

const juce::String STR_0013[LANG_MAX] =
{
    L"Please wait for a few moments until the update process is complete.", // LANG_EN
    L"Veuillez patienter un instant jusqu'à ce que le processus de mise à jour se termine.", // LANG_FR
    L"Bitte warten Sie, bis die Aktualisierung abgeschlossen ist.", // LANG_DE
    L"Espere unos segundos hasta que el proceso de actualización haya finalizado.", // LANG_ES
    L"Si prega di attendere alcuni istanti sino a quando il processo di aggiornamento si completa.", // LANG_IT
    L"Wacht even tot het updateproces voltooid is.", // LANG_NL
    L"Пожалуйста, немного подождите завершения процесса обновления.", // LANG_RU
    L"A executar a actualização. Aguarde até a actualização estar concluída.", // LANG_PT
    L"请稍候，等待更新过程完成。", // LANG_ZH_HANS
    L"請等待片刻，直到更新程序完成。", // LANG_ZH_HANT
    L"업데이트가 끝나기까지 잠시만 기다리십시오.", // LANG_KO
    L"アップデートが完了するまでしばらくお待ちください。", // LANG_JA
};

const juce::String STR_0014[LANG_MAX] =
{
    L"The update of your version of the %s firmware is now complete.", // LANG_EN
    L"La mise à jour du microprogramme de %s est maintenant terminée.", // LANG_FR
    L"Die Aktualisierung der Version Ihrer %s Firmware ist jetzt abgeschlossen.", // LANG_DE
    L"La actualización de la versión del firmware del %s ha finalizado.", // LANG_ES
    L"L'aggiornamento del %s è stato completato.", // LANG_IT
    L"Het bijwerken van de firmware van uw %s is nu gereed.", // LANG_NL
    L"Обновление версии Вашего встроенного программного обеспечения %s завершено.", // LANG_RU
    L"A versão foi actualizada.", // LANG_PT
    L"现在已完成%s固件的版本升级。", // LANG_ZH_HANS
    L"現已完成%s韌體的版本更新作業。", // LANG_ZH_HANT
    L"버전 업데이트 되었습니다.", // LANG_KO
    L"%sファームウェアのアップデートが完了しました。", // LANG_JA
};

const juce::String STR_0015[LANG_MAX] =
{
    L"Failed to update the firmware.", // LANG_EN
    L"Échec de la mise à jour du microprogramme.", // LANG_FR
    L"Die Firmware konnte nicht aktualisiert werden.", // LANG_DE
    L"Error al actualizar el firmware.", // LANG_ES
    L"Impossibile aggiornare il firmware.", // LANG_IT
    L"Het bijwerken van de firmware is mislukt.", // LANG_NL
    L"Не удалось обновить микропрограммное обеспечение.", // LANG_RU
    L"Falha ao atualizar o firmware.", // LANG_PT
    L"固件更新失败。", // LANG_ZH_HANS
    L"更新韌體時失敗。", // LANG_ZH_HANT
    L"펌웨어를 업데이트하지 못했습니다.", // LANG_KO
    L"ファームウェアのアップデートに失敗しました。", // LANG_JA
};

const juce::String STR_0016[LANG_MAX] =
{
    L"This unit can't work temporarily.", // LANG_EN
    L"Cette unité ne peut pas fonctionner temporairement.", // LANG_FR
    L"Dieses Gerät funktioniert vorübergehend nicht.", // LANG_DE
    L"Es posible que esta unidad no funcione temporalmente.", // LANG_ES
    L"L'unità è temporaneamente fuori uso.", // LANG_IT
    L"Dit toestel kan tijdelijk niet werken.", // LANG_NL
    L"Работа этого устройства временно невозможна.", // LANG_RU
    L"Esta unidade não pode funcionar temporariamente.", // LANG_PT
    L"此装置目前暂时无法运行。", // LANG_ZH_HANS
    L"此裝置暫時無法運作。", // LANG_ZH_HANT
    L"본 기기는 일시적으로 작동되지 않습니다.", // LANG_KO
    L"一時的に製品が使用できない状態になっています。", // LANG_JA
};

const juce::String STR_0017[LANG_MAX] =
{
    L"Please try the following procedure to start the firmware update again.", // LANG_EN
    L"Veuillez essayer la procédure suivante pour démarrer à nouveau la mise à jour du microprogramme.", // LANG_FR
    L"Führen Sie die folgenden Schritte durch, um die Firmware-Aktualisierung erneut zu starten.", // LANG_DE
    L"Intente el siguiente procedimiento para iniciar la actualización del firmware de nuevo.", // LANG_ES
    L"Per avviare nuovamente l'aggiornamento del firmware, tentare la seguente procedura.", // LANG_IT
    L"Probeer de volgende procedure om de firmware-update opnieuw te starten.", // LANG_NL
    L"Выполните следующую процедуру, чтобы снова запустить обновление микропрограммного обеспечения.", // LANG_RU
    L"Experimente este procedimento para iniciar novamente a atualização do firmware.", // LANG_PT
    L"请尝试通过以下步骤重新更新固件。", // LANG_ZH_HANS
    L"請嘗試使用以下程序，再次重新開始韌體更新。", // LANG_ZH_HANT
    L"펌웨어 업데이트를 다시 시작하려면 다음 절차를 시도해 보십시오.", // LANG_KO
    L"アップデートを再度行うために、以下の手順を行ってください。", // LANG_JA
};

const juce::String STR_0018[LANG_MAX] =
{
    L"1. Click the Close button to close the Update Program.", // LANG_EN
    L"1. Cliquez sur le bouton Fermer pour fermer le Programme Mise à jour.", // LANG_FR
    L"1. Klicken Sie auf die Schließen-Schaltfläche, um das Aktualisierungsprogramm zu schließen.", // LANG_DE
    L"1. Haga clic en el botón Cerrar para cerrar el programa de actualización.", // LANG_ES
    L"1. Fare clic sul pulsante Chiudi per chiudere il programma di aggiornamento.", // LANG_IT
    L"1. Klik op de Sluit-knop om het updateprogramma te sluiten.", // LANG_NL
    L"1. Нажмите кнопку \"Закрыть\", чтобы закрыть \"Обновление программы\".", // LANG_RU
    L"1. Clique no botão Fechar para fechar o programa de atualização.", // LANG_PT
    L"1、单击关闭按钮关闭更新程序。", // LANG_ZH_HANS
    L"1. 按一下「關閉」按鈕以關閉「更新程式」。", // LANG_ZH_HANT
    L"1. 닫기 버튼을 클릭하여 업데이트 프로그램을 닫으십시오.", // LANG_KO
    L"1. 終了ボタンをクリックして、アップデートプログラムを終了します。", // LANG_JA
};

const juce::String STR_0019[LANG_MAX] =
{
    L"2. Disconnect the USB cable from the unit and reconnect it.", // LANG_EN
    L"2. Déconnectez le câble USB de l'unité et reconnectez-le.", // LANG_FR
    L"2. Trennen Sie das USB-Kabel vom Gerät und schließen Sie es wieder an.", // LANG_DE
    L"2. Desconecte el cable USB de la unidad y vuelva a conectarlo.", // LANG_ES
    L"2. Scollegare il cavo USB dall'unità, quindi collegarlo nuovamente.", // LANG_IT
    L"2. Koppel de USB-kabel los van het toestel en sluit deze opnieuw aan.", // LANG_NL
    L"2. Отключите кабель USB от устройства и подключите его заново.", // LANG_RU
    L"2. Desligue o cabo USB da unidade e volte a ligá-lo.", // LANG_PT
    L"2、从装置上拔下USB电缆，然后重新连接。", // LANG_ZH_HANS
    L"2. 請從裝置中斷連接 USB 纜線，並重新連接。", // LANG_ZH_HANT
    L"2. 기기에서 USB 케이블을 분리했다가 다시 연결하십시오.", // LANG_KO
    L"2. USBケーブルを製品から抜いてから挿し直します。", // LANG_JA
};

const juce::String STR_0020[LANG_MAX] =
{
    L"3. Update the firmware again in one of the following ways:", // LANG_EN
    L"3. Mettez à nouveau à jour le microprogramme en suivant l'une des méthodes suivantes :", // LANG_FR
    L"3. Aktualisieren Sie die Firmware erneut auf eine der folgenden Arten:", // LANG_DE
    L"3. Actualice el firmware de nuevo de una de las siguientes maneras:", // LANG_ES
    L"3. Aggiornare nuovamente il firmware utilizzando uno dei seguenti metodi:", // LANG_IT
    L"3. Werk de firmware opnieuw bij op een van de volgende manieren:", // LANG_NL
    L"3. Снова обновите микропрограммное обеспечение одним из следующих способов:", // LANG_RU
    L"3. Atualize novamente o firmware com um destes processos:", // LANG_PT
    L"3、通过以下任一方式重新更新固件：", // LANG_ZH_HANS
    L"3. 使用以下方式之一再次更新韌體：", // LANG_ZH_HANT
    L"3. 다음 방법 중 하나로 펌웨어를 다시 업데이트하십시오.", // LANG_KO
    L"3. 以下のいずれかの方法で、アップデートを再実行します。", // LANG_JA
};

const juce::String STR_0021[LANG_MAX] =
{
    L"If you've downloaded the firmware update program from our support page,", // LANG_EN
    L"Si vous avez téléchargé le programme de mise à jour du microprogramme à partir de notre page d'aide,", // LANG_FR
    L"Wenn Sie das Firmware-Aktualisierungsprogramm von einer unserer Support-Seiten heruntergeladen haben,", // LANG_DE
    L"Si ha descargado el programa de actualización del firmware de nuestra página de soporte,", // LANG_ES
    L"Se il programma di aggiornamento del firmware è stato scaricato dalla nostra pagina di supporto,", // LANG_IT
    L"Als u het firmware-updateprogramma hebt gedownload van onze ondersteuningspagina,", // LANG_NL
    L"Если вы загрузили программу обновления микропрограммного обеспечения со страницы поддержки,", // LANG_RU
    L"Se transferiu o programa de atualização do firmware a partir da nossa página de suporte,", // LANG_PT
    L"如果您已从我们的技术支持网站中下载了固件更新程序，", // LANG_ZH_HANS
    L"如果您從我們的支援頁面下載過韌體更新程式，", // LANG_ZH_HANT
    L"지원 페이지에서 펌웨어 업데이트 프로그램을 다운로드한 경우,", // LANG_KO
    L"サポートページからアップデートプログラムをダウンロードした場合", // LANG_JA
};

const juce::String STR_0022[LANG_MAX] =
{
    L"double-click the KRVTM40_UpdateProgram.exe to start the firmware update.", // LANG_EN
    L"double-cliquez sur KRVTM40_UpdateProgram.exe pour démarrer la mise à jour du microprogramme.", // LANG_FR
    L"doppelklicken Sie auf die Datei KRVTM40_UpdateProgram.exe, um die Firmware-Aktualisierung zu starten.", // LANG_DE
    L"haga doble clic en KRVTM40_UpdateProgram.exe para iniciar la actualización del firmware.", // LANG_ES
    L"fare doppio clic su KRVTM40_UpdateProgram.exe per avviare l'aggiornamento del firmware.", // LANG_IT
    L"dubbelklik op KRVTM40_UpdateProgram.exe om de firmware-update te starten.", // LANG_NL
    L"дважды щелкните KRVTM40_UpdateProgram.exe, чтобы начать обновление микропрограммного обеспечения.", // LANG_RU
    L"faça duplo clique em KRVTM40_UpdateProgram.exe para iniciar a atualização do firmware.", // LANG_PT
    L"请双击KRVTM40_UpdateProgram.exe开始更新固件。", // LANG_ZH_HANS
    L"請按兩下 KRVTM40_UpdateProgram.exe 以開始韌體更新。", // LANG_ZH_HANT
    L"KRVTM40_UpdateProgram.exe를 두 번 클릭하여 펌웨어 업데이트를 시작하십시오.", // LANG_KO
    L"KRVTM40_UpdateProgram.exeをダブルクリックします。", // LANG_JA
};

const juce::String STR_0023[LANG_MAX] =
{
    L"double-click the KRV-TM40_vXXX to start the firmware update.", // LANG_EN
    L"double-cliquez sur KRV-TM40_vXXX pour démarrer la mise à jour du microprogramme.", // LANG_FR
    L"doppelklicken Sie auf die Datei KRV-TM40_vXXX, um die Firmware-Aktualisierung zu starten.", // LANG_DE
    L"haga doble clic en KRV-TM40_vXXX para iniciar la actualización del firmware.", // LANG_ES
    L"fare doppio clic su KRV-TM40_vXXX per avviare l'aggiornamento del firmware.", // LANG_IT
    L"dubbelklik op KRV-TM40_vXXX om de firmware-update te starten.", // LANG_NL
    L"дважды щелкните KRV-TM40_vXXX, чтобы начать обновление микропрограммного обеспечения.", // LANG_RU
    L"faça duplo clique em KRV-TM40_vXXX para iniciar a atualização do firmware.", // LANG_PT
    L"请双击KRV-TM40_vXXX开始更新固件。", // LANG_ZH_HANS
    L"請按兩下 KRV-TM40_vXXX 以開始韌體更新。", // LANG_ZH_HANT
    L"KRV-TM40_vXXX를 두 번 클릭하여 펌웨어 업데이트를 시작하십시오.", // LANG_KO
    L"KRV-TM40_vXXXをダブルクリックします。", // LANG_JA
};

const juce::String STR_0024[LANG_MAX] =
{
    L"If you've tried to update the firmware via deckloom,", // LANG_EN
    L"Si vous essayez de mettre à jour le microprogramme par le biais de deckloom,", // LANG_FR
    L"Wenn Sie versucht haben, die Firmware über deckloom zu aktualisieren,", // LANG_DE
    L"Si ha intentado actualizar el firmware mediante deckloom,", // LANG_ES
    L"Nel caso in cui si sia tentato di aggiornare il firmware via deckloom,", // LANG_IT
    L"Als u heeft geprobeerd om de firmware via deckloom bij te werken,", // LANG_NL
    L"Если вы выполняли попытку обновления микропрограммного обеспечения через deckloom,", // LANG_RU
    L"Se tentou atualizar o firmware através da deckloom,", // LANG_PT
    L"如果您已尝试通过deckloom更新固件，", // LANG_ZH_HANS
    L"如果您嘗試透過 deckloom 更新韌體，", // LANG_ZH_HANT
    L"deckloom를 통해 펌웨어 업데이트를 시도한 경우,", // LANG_KO
    L"deckloomからアップデートした場合", // LANG_JA
};

const juce::String STR_0025[LANG_MAX] =
{
    L"close deckloom and restart it again. Follow the instructions on the application to start the firmware update.", // LANG_EN
    L"fermez et redémarrez deckloom. Suivez les instructions sur l'application pour démarrer la mise à jour du microprogramme.", // LANG_FR
    L"schließen Sie deckloom und starten Sie es erneut. Befolgen Sie die Anweisungen in der Anwendung, um die Firmware-Aktualisierung zu starten.", // LANG_DE
    L"cierre deckloom y vuelva a iniciarlo de nuevo. Siga las instrucciones de la aplicación para iniciar la actualización del firmware.", // LANG_ES
    L"chiudere deckloom e riavviarlo nuovamente. Seguire le istruzioni sull'applicazione per avviare l'aggiornamento del firmware.", // LANG_IT
    L"sluit deckloom af en start het opnieuw op. Volg de instructies op de applicatie om de firmware-update te starten.", // LANG_NL
    L"закройте deckloom и снова перезапустите его. Выполните инструкции в приложении, чтобы запустить обновление микропрограммного обеспечения.", // LANG_RU
    L"feche a deckloom e volte a iniciá-la. Siga as instruções na aplicação para iniciar a atualização do firmware.", // LANG_PT
    L"请先关闭deckloom，然后重新启动该应用程序。请按照应用程序中的说明开始更新固件。", // LANG_ZH_HANS
    L"請關閉 deckloom 後再次重新啟動。請依應用程式上的說明操作，以開始韌體更新程序。", // LANG_ZH_HANT
    L"deckloom를 닫고 다시 시작하십시오. 애플리케이션의 안내에 따라 펌웨어 업데이트를 시작하십시오.", // LANG_KO
    L"一度deckloomを終了してから再起動し、deckloomの表示に従ってアップデートプログラムを起動します。", // LANG_JA
};
const juce::String* const TEXTS[STR_MAX] =
{
    NULL_STR, NAME_000, NAME_001,
    STR_0000, STR_0001, STR_0002, STR_0003, STR_0004, STR_0005, STR_0006,
    STR_0007, STR_0008, STR_0009, STR_0010, STR_0011, STR_0012, STR_0013,
    STR_0014, STR_0015, STR_0016, STR_0017, STR_0018, STR_0019, STR_0020,
    STR_0021, STR_0022, STR_0023, STR_0024, STR_0025
};
} // namespace StrRes
